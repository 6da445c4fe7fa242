#include "controls/DesktopViewers.h"

#include "controls/HelpViewer.h"
#include "controls/HtmlViewer.h"
#include "platform/Shell.h"

void InstallDesktopViewers()
{
    Shell::SetHelpViewer([](const QString& path) { return HelpViewer::Open(path); });
    Shell::SetHtmlViewer([](const QString& path) { return HtmlViewer::Open(path) != nullptr; });
}
