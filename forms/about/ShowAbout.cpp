#include "platform/Services.h"
#include "forms/about/frmAbout.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"

void Dialogs::ShowAbout(frmMain& main)
{
    frmAbout dialog(*main.services().sound, *main.services().shell, &main);
    main.services().dialogs->run(&dialog);
}
