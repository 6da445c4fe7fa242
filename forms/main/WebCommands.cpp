// The help, read-me, download and web-site commands of the main window.
#include "forms/main/DesktopCommands.h"
#include "forms/main/Dialogs.h"
#include "forms/main/frmMain.h"
#include "platform/Services.h"

void Commands::Help(frmMain& main)
{
    DesktopCommands::OpenHelp([&main](const QString& target) { return main.ShellExec(target); });
}

void Commands::ReadMe(frmMain& main) { DesktopCommands::OpenReadMe(*main.services().shell); }

void Commands::Download(frmMain& main, const char* urlsKey)
{
    main.ShellExec(DesktopCommands::DownloadAddress(QString::fromLatin1(urlsKey)));
}

void Commands::OpenWebSite(frmMain& main, const char* menuName)
{
    const QString address = DesktopCommands::WebSiteAddress(QString::fromLatin1(menuName));
    if (!address.isEmpty())
        main.ShellExec(address);
}
