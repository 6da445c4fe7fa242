#include "platform/Services.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"
#include "forms/print/frmPrint.h"

void Dialogs::ShowPrint(frmMain& main)
{
    frmPrint dialog([&main] { return main.renderMapArea(); }, *main.services().printers, &main);
    main.services().dialogs->run(&dialog);
}
