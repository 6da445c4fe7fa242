// Temporary until the window lands; replaced by its owner.
#include "forms/main/Dialogs.h"
#include "platform/Automation.h"

void Dialogs::ShowFind(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("ShowFind: not available yet"));
}

void Dialogs::FindAgain(frmMain&)
{
    Automation::instance().recordError(QStringLiteral("FindAgain: not available yet"));
}
