#include "controls/ModalRunner.h"
#include "forms/lang/frmLang.h"
#include "forms/main/Dialogs.h"

bool Dialogs::ShowLanguage(Session& session, QWidget* parent)
{
    frmLang dialog(session, parent);
    ModalRunner::RunModal(&dialog);
    return dialog.chosen();
}
