#pragma once
// The help, read-me, download and web commands without the window: where each looks for its
// document and which address it takes. The main window passes its ShellExec.
#include <QString>
#include <functional>

class Session;
class ShellService;

namespace DesktopCommands {

using Opener = std::function<int(const QString& target)>;

// The language's help file, once more with the substitute language's when the first open
// fails (32 or less); the German stem takes the program folder's.
void OpenHelp(const Session& session, const Opener& shellExec);
// The read-me page in the HTML host; the language's page when it is there and not empty,
// else the substitute language's, unchecked.
void OpenReadMe(const Session& session, ShellService& shell);
// The settings' "urls" value, trimmed, read at each call; blank gives the built-in address.
QString DownloadAddress(const QString& settingsFile, const QString& urlsKey);
// The fixed address of a web-site menu entry; empty for an unknown entry.
QString WebSiteAddress(const QString& menuName);

} // namespace DesktopCommands
