// Temporary until the window lands; replaced by its owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Dialogs::ShowLanguage(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("ShowLanguage: not available yet"));
}
