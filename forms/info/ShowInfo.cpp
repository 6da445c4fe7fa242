// Temporary until the window lands; replaced by its owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Dialogs::ShowInfo(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("ShowInfo: not available yet"));
}
