#include "controls/ModalRunner.h"
#include "forms/main/Dialogs.h"
#include "forms/perks/TeacherLookup.h"
#include "forms/perks/frmPerks.h"
#include "modules/Session.h"

std::optional<Dialogs::PerkChoice> Dialogs::ShowPerks(Session& session, const QString& dataFile,
                                                      const QList<MapSource>& maps,
                                                      QWidget* parent)
{
    frmPerks dialog(session.language, dataFile, parent);
    ModalRunner::RunModal(&dialog);
    const auto& choice = dialog.choice();
    if (!choice)
        return std::nullopt;
    return PerkChoice{choice->key, choice->caption, TeacherLookup::Picture(dataFile, maps)};
}
