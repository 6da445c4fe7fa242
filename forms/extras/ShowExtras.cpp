#include "controls/ModalRunner.h"
#include "forms/extras/frmExtras.h"
#include "forms/main/Dialogs.h"

void Dialogs::ShowExtras(const Session& session, QWidget* parent)
{
    frmExtras dialog(session, parent);
    ModalRunner::RunModal(&dialog);
}
