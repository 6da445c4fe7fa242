#include "platform/Services.h"
#include "forms/extras/frmExtras.h"
#include "forms/main/Dialogs.h"

void Dialogs::ShowExtras(const Session& session, Services& services, QWidget* parent)
{
    frmExtras dialog(session, *services.shell, parent);
    services.dialogs->run(&dialog);
}
