// Temporary until the window lands; replaced by its owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Dialogs::ShowExtras(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("ShowExtras: not available yet"));
}
