#include "platform/Services.h"
#include "forms/about/frmAbout.h"
#include "forms/main/Dialogs.h"

void Dialogs::ShowAbout(const Session& session, Services& services, QWidget* parent)
{
    frmAbout dialog(session, *services.sound, *services.shell, parent);
    services.dialogs->run(&dialog);
}
