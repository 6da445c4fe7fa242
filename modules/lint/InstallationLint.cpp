#include "modules/lint/InstallationLint.h"

#include "modules/lint/InfoLint.h"
#include "modules/lint/Installation.h"
#include "modules/lint/LanguageLint.h"
#include "modules/lint/MapDataLint.h"
#include "modules/lint/ProfileScan.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>

namespace Lint {

Report CheckInstallation(const QString& home)
{
    Report report;
    const Installation installation = Installation::Read(home);
    if (!QDir(installation.home).exists()) {
        report.error(installation.home, 0, QStringLiteral("the installation folder does not exist"));
        return report;
    }
    ProfileScan(installation.settingsFile).reportTextProblems(report);
    CheckMapData(installation, report);
    CheckDescriptions(installation, report);
    CheckPictureIndex(installation, report);
    CheckLanguages(installation, report);
    return report;
}

std::optional<int> RunCheckCommand(int argc, char* argv[], const QString& defaultHome)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    if (!args.contains(QLatin1String("--check")))
        return std::nullopt;

    QString home = defaultHome;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--check"))
            continue;
        if (args[i] == QLatin1String("--home") && i + 1 < args.size()) {
            home = args[++i];
            continue;
        }
        std::fprintf(stderr, "karvenna: --check takes only --home DIR, not %s\n", qPrintable(args[i]));
        return 2;
    }

    // Picture checks need the image plug-ins, which need an application object; no window.
    QCoreApplication app(argc, argv);
    const Report report = CheckInstallation(home);
    QTextStream out(stdout);
    report.print(out, QDir::cleanPath(QFileInfo(home).absoluteFilePath()));
    out.flush();
    return report.count(Severity::Error) > 0 ? 1 : 0;
}

} // namespace Lint
