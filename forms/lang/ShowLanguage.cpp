#include "platform/Services.h"
#include "forms/lang/frmLang.h"
#include "forms/main/Dialogs.h"

bool Dialogs::ShowLanguage(Session& session, Services& services, QWidget* parent)
{
    frmLang dialog(session, *services.shell, parent);
    services.dialogs->run(&dialog);
    return dialog.chosen();
}
