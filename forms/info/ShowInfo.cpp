#include "platform/Services.h"
#include "forms/info/frmInfo.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"

void Dialogs::ShowInfo(frmMain& main)
{
    frmInfo dialog(main.display().InfoSubject, main.InfoFile, &main);
    main.services().dialogs->run(&dialog);
}
