#include "controls/ModalRunner.h"
#include "forms/info/frmInfo.h"
#include "forms/main/Dialogs.h"

void Dialogs::ShowInfo(Session& session, const QString& subject, const QString& infoFile,
                       QWidget* parent)
{
    frmInfo dialog(session, subject, infoFile, parent);
    ModalRunner::RunModal(&dialog);
}
