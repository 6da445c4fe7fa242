// The help, read-me, download and web-site commands of the main window.
#include "forms/main/DesktopCommands.h"
#include "forms/main/Dialogs.h"
#include "modules/Session.h"
#include "platform/Services.h"

void Commands::Help(const Session& session, const Opener& open)
{
    DesktopCommands::OpenHelp(session, open);
}

void Commands::ReadMe(const Session& session, ShellService& shell)
{
    DesktopCommands::OpenReadMe(session, shell);
}

void Commands::Download(const Session& session, const Opener& open, const char* urlsKey)
{
    open(DesktopCommands::DownloadAddress(session.SettingsFile, QString::fromLatin1(urlsKey)));
}

void Commands::OpenWebSite(const Opener& open, const char* menuName)
{
    const QString address = DesktopCommands::WebSiteAddress(QString::fromLatin1(menuName));
    if (!address.isEmpty())
        open(address);
}
