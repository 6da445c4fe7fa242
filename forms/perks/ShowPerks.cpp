// Temporary until the window lands; replaced by its owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Dialogs::ShowPerks(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("ShowPerks: not available yet"));
}
