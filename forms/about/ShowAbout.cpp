#include "controls/ModalRunner.h"
#include "forms/about/frmAbout.h"
#include "forms/main/Dialogs.h"

void Dialogs::ShowAbout(const Session& session, QWidget* parent)
{
    frmAbout dialog(session, parent);
    ModalRunner::RunModal(&dialog);
}
