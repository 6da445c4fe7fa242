#pragma once
// The naive design the benchmarks compare against: every profile read opens the file, reads
// it and walks its lines again, as the Windows profile functions do, and the first search
// built on top of those reads.
#include "modules/search/SearchCache.h"

#include <QString>
#include <QStringList>

namespace NaiveProfile {

QString ReadIni(const QString& file, const QString& section, const QString& key,
                const QString& defaultValue);
QStringList GetIniSections(const QString& file);
QStringList GetIniKeys(const QString& file, const QString& section);

// The search's cache fill for one map (German names), appended to records.
void CacheEntities(const QString& dataFile, const QString& picture, const QString& infoFile,
                   QList<SearchRecord>& records);

} // namespace NaiveProfile
