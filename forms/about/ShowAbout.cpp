#include "controls/ModalRunner.h"
#include "forms/about/frmAbout.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"

void Dialogs::ShowAbout(frmMain& main)
{
    frmAbout dialog(&main);
    ModalRunner::RunModal(&dialog);
}
