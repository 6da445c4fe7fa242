#include "modules/lint/Installation.h"

#include "modules/lint/ProfileScan.h"
#include "modules/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace Lint {

Installation Installation::Read(const QString& home)
{
    Installation in;
    in.home = QDir::cleanPath(QFileInfo(home).absoluteFilePath());
    const ::Installation program(in.home);
    const StartupSettings settings = program.readSettings();
    in.settingsFile = program.settingsFile();
    in.languageFolder = FileSystem::FindFile(program.path(settings.langFolder)) + QLatin1Char('/');
    in.picturesFolder = FileSystem::FindFile(program.path(settings.picsFolder)) + QLatin1Char('/');
    in.extrasFolder = FileSystem::FindFile(program.path(settings.extrasFolder)) + QLatin1Char('/');
    in.infoFile = program.infoFile();
    in.languageStem = settings.languageStem;
    in.maps = program.maps();

    QSet<QString> seen;
    for (const MapFiles& map : in.maps) {
        const ProfileScan scan(map.dataFile);
        for (const ScannedSection& section : scan.sections()) {
            if (!section.isFirst)
                continue;
            for (const ScannedEntry& entry : section.entries) {
                if (entry.key.isEmpty() || IsDisabledKey(entry.key) || seen.contains(entry.key))
                    continue;
                seen.insert(entry.key);
                in.entities.append({entry.key, map.dataFile, entry.line});
            }
        }
    }
    return in;
}

} // namespace Lint
