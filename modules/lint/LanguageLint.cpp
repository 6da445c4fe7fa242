#include "modules/lint/LanguageLint.h"

#include "modules/lint/LanguageKeys.h"
#include "modules/lint/ProfileScan.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace Lint {

namespace {

const QString kEntities = QStringLiteral("entities");

void checkKeys(const ProfileScan& scan, Report& report)
{
    const auto& known = LanguageKeys::Known();
    for (const ScannedSection& section : scan.sections()) {
        if (!section.isFirst)
            continue;
        const QString folded = section.name.toCaseFolded();
        if (folded == kEntities)
            continue;
        const auto keys = known.constFind(folded);
        if (keys == known.constEnd()) {
            report.warning(scan.path(), section.line,
                           QStringLiteral("section [%1] is never read by the program").arg(section.name));
            continue;
        }
        for (const ScannedEntry& entry : section.entries)
            if (!keys->contains(entry.key.toCaseFolded()))
                report.warning(scan.path(), entry.line, QStringLiteral("key \"%1\" of [%2] is never read by the program")
                                                            .arg(entry.key, section.name));
    }
}

void checkPlaceholders(const ProfileScan& scan, Report& report)
{
    for (const LanguageKeys::Supplied& s : LanguageKeys::WithValue()) {
        const QString section = QString::fromLatin1(s.section);
        const QString key = QString::fromLatin1(s.key);
        const QString text = IniOps::ReadIni(scan.path(), section, key, QString());
        if (!text.isEmpty() && !text.contains(QLatin1String("%s")))
            report.warning(scan.path(), scan.lineOf(section, key),
                           QStringLiteral("[%1] %2 has no \"%s\" where the program puts %3")
                               .arg(section, key, QString::fromLatin1(s.value)));
    }
}

// A name is translated when, after its region words are replaced, it begins with a key of the
// "entities" section, the rule the program's LocalizeName follows. Looking up the name's own
// beginnings keeps this linear however many names and keys there are.
void checkEntityNames(const ProfileScan& scan, const Installation& installation, Report& report)
{
    const QStringList keys = IniOps::GetIniKeys(scan.path(), kEntities);
    if (!keys.isEmpty()) {
        const QSet<QString> keySet(keys.begin(), keys.end());
        if (keySet.contains(QString()))
            return; // an empty key matches every name
        qsizetype longest = 0;
        for (const QString& key : keys)
            longest = std::max(longest, key.size());
        QStringList regions;
        for (const QString& word : LOCAL::RegionWords())
            regions << IniOps::ReadIni(scan.path(), kEntities, word, word);
        for (const Entity& entity : installation.entities) {
            QString name = entity.name.trimmed();
            for (qsizetype i = 0; i < regions.size(); ++i)
                name.replace(LOCAL::RegionWords()[i], regions[i]);
            bool translated = false;
            for (qsizetype length = 1; length <= std::min(name.size(), longest) && !translated; ++length)
                translated = keySet.contains(name.left(length));
            if (!translated)
                report.info(scan.path(), 0, QStringLiteral("entity \"%1\" has no translation").arg(entity.name));
        }
        return;
    }
    if (const ScannedSection* section = scan.section(kEntities))
        report.warning(scan.path(), section->line,
                       QStringLiteral("entity names are read only under the header exactly [entities], not %1")
                           .arg(section->header));
    else if (!installation.entities.isEmpty())
        report.info(scan.path(), 0, QStringLiteral("no [entities] section: entity names stay German"));
}

void checkLanguageFile(const QString& path, const Installation& installation, Report& report)
{
    const ProfileScan scan(path);
    scan.reportTextProblems(report);
    if (IniOps::ReadIni(path, QStringLiteral("general"), QStringLiteral("language"), QString()).trimmed().isEmpty())
        report.warning(path, 0, QStringLiteral("[general] language is missing; the language dialog lists it as \"?\""));
    checkKeys(scan, report);
    checkPlaceholders(scan, report);
    checkEntityNames(scan, installation, report);
}

} // namespace

void CheckLanguages(const Installation& installation, Report& report)
{
    const QString& folder = installation.languageFolder;
    const QString stem = installation.languageStem;
    if (!stem.isEmpty() && stem != QLatin1String("Deutsch")
        && !QFileInfo(FileSystem::FindFile(folder + stem + QLatin1Char('/') + stem + QStringLiteral(".lng"))).isFile())
        report.warning(installation.settingsFile, 0,
                       QStringLiteral("the chosen language \"%1\" has no language file; the program starts in German")
                           .arg(stem));

    const QDir dir(folder);
    if (!dir.exists())
        return;
    // Not following links: a link that points back up would otherwise be walked without end.
    const QFileInfoList entries = dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                                        | QDir::System,
                                                    QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (!entry.isDir()) {
            report.warning(entry.absoluteFilePath(), 0,
                           QStringLiteral("not a language folder; the language dialog lists it as \"?\""));
            continue;
        }
        const QString lng = FileSystem::FindFile(folder + name + QLatin1Char('/') + name + QStringLiteral(".lng"));
        if (!QFileInfo(lng).isFile() || !QFileInfo(lng).isReadable()) {
            report.warning(entry.absoluteFilePath(), 0,
                           QStringLiteral("no readable language file %1.lng; the language dialog lists it as \"?\"")
                               .arg(name));
            continue;
        }
        checkLanguageFile(lng, installation, report);
        const QString info = folder + name + QStringLiteral("/info.data");
        ProfileScan(info).reportTextProblems(report);
    }
}

} // namespace Lint
