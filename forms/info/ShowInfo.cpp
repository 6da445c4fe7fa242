#include "controls/ModalRunner.h"
#include "forms/info/frmInfo.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"

void Dialogs::ShowInfo(frmMain& main)
{
    frmInfo dialog(main.display().InfoSubject, main.InfoFile, &main);
    ModalRunner::RunModal(&dialog);
}
