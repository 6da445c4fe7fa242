// Temporary until the window lands; replaced by its owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Dialogs::ShowPrint(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("ShowPrint: not available yet"));
}
