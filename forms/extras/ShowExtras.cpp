#include "platform/Services.h"
#include "forms/extras/frmExtras.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"

void Dialogs::ShowExtras(frmMain& main)
{
    frmExtras dialog(*main.services().shell, &main);
    main.services().dialogs->run(&dialog);
}
