#include "platform/Services.h"
#include "forms/info/frmInfo.h"
#include "forms/main/Dialogs.h"

void Dialogs::ShowInfo(Session& session, const QString& subject, const QString& infoFile,
                       Services& services, QWidget* parent)
{
    frmInfo dialog(session, subject, infoFile, parent);
    services.dialogs->run(&dialog);
}
