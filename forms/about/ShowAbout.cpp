// Temporary until the window lands; replaced by its owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Dialogs::ShowAbout(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("ShowAbout: not available yet"));
}
