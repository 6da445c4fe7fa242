#include "modules/lint/InstallationLint.h"

#include "modules/lint/InfoLint.h"
#include "modules/lint/Installation.h"
#include "modules/lint/LanguageLint.h"
#include "modules/lint/MapDataLint.h"
#include "modules/lint/NameCaseLint.h"
#include "modules/lint/ProfileScan.h"

#include <QDir>

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
    CheckNameCase(installation, report);
    return report;
}

} // namespace Lint
