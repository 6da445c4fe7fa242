#include "modules/lint/MapDataLint.h"

#include "modules/lint/ProfileScan.h"
#include "modules/menu/MenuTable.h"
#include "modules/perks/PerkTable.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/Numeric.h"
#include "modules/StringOps.h"

#include <QImageReader>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace Lint {

namespace {

constexpr int kMarkerCount = 81;
constexpr int kReferenceWidth = 1024;
constexpr int kReferenceHeight = 768;
constexpr int kTwipsPerPixel = 15;
constexpr int kValueLimit = 2047; // what ReadIni returns at most
const QString kComma = QStringLiteral(",");

struct Category
{
    QString name;
    QString command; // the first menu command that names it
    bool allAtOnce = false;
};

// The categories the menu commands of one map name, each once, in menu order.
QList<Category> menuCategories(const QString& mapId)
{
    QList<Category> result;
    QString currentMap;
    for (const MenuEntry& e : MenuTable::Entries()) {
        if (e.level == 0)
            currentMap = e.map ? QString::fromLatin1(e.map) : QString();
        if (currentMap != mapId || !e.category)
            continue;
        const bool all = e.kind == MenuKind::All || e.kind == MenuKind::ListThenAll;
        const QString name = QString::fromUtf8(e.category);
        auto it = std::find_if(result.begin(), result.end(), [&](const Category& c) { return c.name == name; });
        if (it == result.end())
            result.append({name, QString::fromLatin1(e.name), all});
        else
            it->allAtOnce = it->allAtOnce || all;
    }
    return result;
}

void checkFilePresent(const QString& path, Report& report)
{
    if (!FileSystem::FileExists(path))
        report.error(path, 0, QStringLiteral("missing or empty; the program stops at start"));
}

void checkPicture(const QString& path, Report& report)
{
    if (!FileSystem::FileExists(path))
        return;
    QImageReader reader(path);
    if (!reader.canRead() || !reader.size().isValid())
        report.error(path, 0, QStringLiteral("not a picture the program can read: %1").arg(reader.errorString()));
}

void checkCategory(const ProfileScan& scan, const Category& category, Report& report)
{
    const QString& file = scan.path();
    const QStringList keys = IniOps::GetIniKeys(file, category.name);
    const ScannedSection* section = scan.section(category.name);
    const int line = section ? section->line : 0;
    if (keys.isEmpty()) {
        if (!section)
            report.error(file, 0, QStringLiteral("category [%1] that menu command %2 names is missing")
                                      .arg(category.name, category.command));
        else if (section->header != QLatin1Char('[') + category.name + QLatin1Char(']'))
            report.error(file, line, QStringLiteral("the entity list needs the header exactly [%1] "
                                                    "(menu command %2), not %3")
                                         .arg(category.name, category.command, section->header));
        else
            report.error(file, line, QStringLiteral("category [%1] (menu command %2) has no entries")
                                         .arg(category.name, category.command));
        return;
    }
    if (std::all_of(keys.begin(), keys.end(), [](const QString& k) { return IsDisabledKey(k); }))
        report.error(file, line, QStringLiteral("category [%1] (menu command %2) has no enabled entries")
                                     .arg(category.name, category.command));
    if (category.allAtOnce && keys.size() > kMarkerCount)
        report.error(file, line, QStringLiteral("category [%1] has %2 entries; only the first %3 are shown")
                                     .arg(category.name)
                                     .arg(keys.size())
                                     .arg(kMarkerCount));
}

void checkCoordinate(const QString& file, int line, const QString& key, const QString& axis,
                     const QString& text, int limit, Report& report)
{
    const std::optional<double> value = Numeric::WholeNumber(text);
    if (!value) {
        report.error(file, line, QStringLiteral("%1 of \"%2\" is not a number: \"%3\"").arg(axis, key, text));
        return;
    }
    if (std::abs(*value) * kTwipsPerPixel > 32767.0) {
        report.error(file, line, QStringLiteral("%1 of \"%2\" is %3, beyond the positions the program can "
                                                "place; the marker goes to the nearest edge")
                                     .arg(axis, key, text));
        return;
    }
    if (*value < 0 || *value >= limit)
        report.warning(file, line, QStringLiteral("%1 of \"%2\" is %3, outside the 1024 x 768 reference picture")
                                       .arg(axis, key, text));
}

void checkRecord(const ProfileScan& scan, const ScannedSection& section, const ScannedEntry& entry,
                 Report& report)
{
    const QString& file = scan.path();
    if (entry.value.size() > kValueLimit)
        report.warning(file, entry.line, QStringLiteral("record of \"%1\" is %2 characters long; the program reads "
                                                        "only the first %3")
                                             .arg(entry.key.left(80))
                                             .arg(entry.value.size())
                                             .arg(kValueLimit));
    const QString record = IniOps::ReadIni(file, section.name, entry.key, QString());
    if (StringOps::GetSplitItem(record, 1, kComma).trimmed() == QLatin1String("#")) {
        const QString target = StringOps::GetSplitItem(record, 2, kComma).trimmed();
        const QString linked = IniOps::ReadIni(file, target, entry.key, QString());
        if (StringOps::GetToken(linked, 1, kComma).trimmed().isEmpty())
            report.error(file, entry.line, QStringLiteral("broken link: \"%1\" links to [%2], which has no record "
                                                          "for it; the search stops the program there")
                                               .arg(entry.key, target));
        else if (StringOps::GetSplitItem(linked, 1, kComma).trimmed() == QLatin1String("#"))
            report.warning(file, entry.line, QStringLiteral("\"%1\" links to [%2], whose record is a link again; "
                                                            "links are followed one level only")
                                                 .arg(entry.key, target));
        return; // the target record is checked in its own section
    }
    if (!record.contains(QLatin1Char(','))) {
        report.error(file, entry.line, QStringLiteral("record of \"%1\" is not \"x,y\": \"%2\"").arg(entry.key, record.left(80)));
        return;
    }
    checkCoordinate(file, entry.line, entry.key, QStringLiteral("x"),
                    StringOps::GetToken(record, 1, kComma).trimmed(), kReferenceWidth, report);
    checkCoordinate(file, entry.line, entry.key, QStringLiteral("y"),
                    StringOps::GetToken(record, 2, kComma).trimmed(), kReferenceHeight, report);
}

void checkPerkSections(const ProfileScan& scan, Report& report)
{
    for (const PerkEntry& perk : PerkTable::Perks()) {
        const QString name = perk.sectionKey.toString();
        const qsizetype count = IniOps::GetIniKeys(scan.path(), name).size();
        if (count > kMarkerCount) {
            const ScannedSection* section = scan.section(name);
            report.error(scan.path(), section ? section->line : 0,
                         QStringLiteral("perk section [%1] has %2 entries; only the first %3 are shown")
                             .arg(name)
                             .arg(count)
                             .arg(kMarkerCount));
        }
    }
}

} // namespace

void CheckMapData(const Installation& installation, Report& report)
{
    for (const MapFiles& map : installation.maps) {
        checkFilePresent(map.dataFile, report);
        checkFilePresent(map.picture, report);
        checkPicture(map.picture, report);
        const ProfileScan scan(map.dataFile);
        if (!scan.exists())
            continue;
        scan.reportTextProblems(report);
        for (const Category& category : menuCategories(map.id))
            checkCategory(scan, category, report);
        checkPerkSections(scan, report);
        for (const ScannedSection& section : scan.sections()) {
            if (!section.isFirst)
                continue;
            QSet<QString> seen;
            for (const ScannedEntry& entry : section.entries) {
                // Disabled entries are never shown, and a repeated key is never read.
                const QString folded = entry.key.toCaseFolded();
                if (IsDisabledKey(entry.key) || seen.contains(folded))
                    continue;
                seen.insert(folded);
                checkRecord(scan, section, entry, report);
            }
        }
    }
}

} // namespace Lint
