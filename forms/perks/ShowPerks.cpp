#include "platform/Services.h"
#include "forms/main/Dialogs.h"
#include "forms/perks/TeacherLookup.h"
#include "forms/perks/frmPerks.h"
#include "modules/Session.h"

std::optional<Dialogs::PerkChoice> Dialogs::ShowPerks(Session& session, const QString& dataFile,
                                                      const QList<MapSource>& maps,
                                                      Services& services, QWidget* parent)
{
    frmPerks dialog(session.language, dataFile, parent);
    services.dialogs->run(&dialog);
    const auto& choice = dialog.choice();
    if (!choice)
        return std::nullopt;
    return PerkChoice{choice->key, choice->caption, TeacherLookup::Picture(dataFile, maps)};
}
