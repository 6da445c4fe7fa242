#include "modules/lint/Installation.h"

#include "modules/lint/ProfileScan.h"
#include "modules/IniOps.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace Lint {

bool IsDisabledKey(const QString& key)
{
    return key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('/'));
}

Installation Installation::Read(const QString& home)
{
    Installation in;
    in.home = QDir::cleanPath(QFileInfo(home).absoluteFilePath());
    in.settingsFile = in.home + QStringLiteral("/karvenna.ini");
    const auto setting = [&](const char* section, const char* key, const char* fallback) {
        return IniOps::ReadIni(in.settingsFile, QString::fromLatin1(section), QString::fromLatin1(key),
                               QString::fromLatin1(fallback));
    };
    in.languageFolder = in.home + QLatin1Char('/') + setting("folders", "lang", "LANG") + QLatin1Char('/');
    in.picturesFolder = in.home + QLatin1Char('/') + setting("folders", "pics", "PICS") + QLatin1Char('/');
    in.infoFile = in.home + QStringLiteral("/info.data");
    in.languageStem = setting("general", "language", "").trimmed();

    for (const char* id : {"caldora", "frostmere", "qasira", "urkesh", "ancestors"}) {
        const QString name = QString::fromLatin1(id);
        in.maps.append({name, in.home + QLatin1Char('/') + name + QStringLiteral(".data"),
                        in.home + QLatin1Char('/') + name + QStringLiteral(".jpg")});
    }

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
