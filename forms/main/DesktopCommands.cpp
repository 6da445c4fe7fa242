#include "forms/main/DesktopCommands.h"

#include "modules/WebAddresses.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Session.h"
#include "platform/Shell.h"

namespace {

const QChar Q = QLatin1Char('"');
const QString kGermanStem = QStringLiteral("Deutsch");

QString quoted(const QString& path) { return Q + path + Q; }

void runHtmlHost(ShellService& shell, const QString& page)
{
    shell.start(QStringLiteral("mshta.exe") + QLatin1Char(' ') + Shell::QuoteArgument(page));
}

} // namespace

namespace DesktopCommands {

void OpenHelp(const Session& session, const Opener& shellExec)
{
    const LanguageState& language = session.language;
    const QString help = QStringLiteral("/karvenna.chm");
    // The stem decides, not the name: a German interface with no stored stem still looks
    // into the language folder.
    if (language.LanguageStem != kGermanStem) {
        const int result = shellExec(quoted(language.LanguageFolder + language.LanguageStem + help));
        if (result < 33)
            shellExec(quoted(language.LanguageFolder + language.SubstituteLanguage + help));
        return;
    }
    shellExec(quoted(session.ProgramFolder + help));
}

void OpenReadMe(const Session& session, ShellService& shell)
{
    const LanguageState& language = session.language;
    const QString readMe = QStringLiteral("/readme.html");
    if (language.LanguageStem != kGermanStem) {
        runHtmlHost(shell, LOCAL::OwnOrSubstituteFile(language, QStringLiteral("readme.html")));
        return;
    }
    runHtmlHost(shell, session.ProgramFolder + readMe);
}

QString DownloadAddress(const QString& settingsFile, const QString& urlsKey)
{
    const QString configured =
        IniOps::ReadIni(settingsFile, QStringLiteral("urls"), urlsKey, QString()).trimmed();
    return configured.isEmpty() ? WebAddresses::Of(urlsKey) : configured;
}

QString WebSiteAddress(const QString& menuName)
{
    return menuName.startsWith(QLatin1String("mi")) ? WebAddresses::Of(menuName) : QString();
}

} // namespace DesktopCommands
