#include "platform/Services.h"
#include "forms/lang/frmLang.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"

void Dialogs::ShowLanguage(frmMain& main)
{
    frmLang dialog(&main, &main);
    main.services().dialogs->run(&dialog);
}
