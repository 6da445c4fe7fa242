#pragma once
// The search over every entity of every map: the records read by the first search, the
// program-wide search state, and the matching rules shared by the find dialog and find again.
#include "modules/EntityId.h"
#include "modules/search/NameStarts.h"
#include "modules/search/SearchText.h"

struct LanguageState;

#include <QList>
#include <QString>
#include <optional>

// One listing of an entity in a map data file.
struct SearchRecord
{
    QString dataFile;     // full path of the map data file
    QString picture;      // full path of that map's picture
    QString category;     // section name with every "[" and "]" removed
    QString name;         // the German key, or its translation when the interface is not German
    SearchText description;  // empty when the entity has none
    qint16 x = 0;         // pixel position on the 1024 x 768 reference picture
    qint16 y = 0;
    EntityId entity;      // the map of the picture and the German key
};

// Records hold implicitly shared strings and shared pointers only: growing the cache may move
// them as bytes.
Q_DECLARE_TYPEINFO(SearchRecord, Q_RELOCATABLE_TYPE);

// Lives until the program ends; the dump reports it as "search".
struct SearchState
{
    QList<SearchRecord> SearchCache;  // filled by the first search, never rebuilt
    QString SearchTerm;
    qint16 SearchMode = 0;            // 0 names, 1 descriptions
    // Record shown last. Kept wider than 16 bits so that a cache beyond 32767 records
    // cannot make find again wrap around.
    int LastFoundIndex = 0;
    // The beginnings of the cached names; FindMatch keeps it up to date.
    NameStarts NameIndex;
};

// A link entry whose target section has no record for the key. The program ends after
// reporting it.
struct LinkError
{
    QString dataFile;
    QString section;
    QString key;
    QString target;

    static QString caption();  // "Link Error"
    QString text() const;
};

namespace Search {

// Appends the records of one map to search.SearchCache: every section in file order,
// every key that does not begin with ";", "/" or "*". infoFile is the program folder's
// description file, the fallback of languages without their own. Stops at the first
// broken link and returns it.
// Names are stored as the language shows them.
std::optional<LinkError> CacheEntities(SearchState& search, LanguageState& language,
                                       const QString& dataFile, const QString& picture,
                                       const QString& infoFile);

// A map's data file and picture.
struct MapFile
{
    QString dataFile;
    QString picture;
};
// CacheEntities for every map in order, the description file read once for all.
std::optional<LinkError> CacheMaps(SearchState& search, LanguageState& language,
                                   const QList<MapFile>& maps, const QString& infoFile);

// The description file the search reads: the language's own "info.data" when it exists and
// is not empty, otherwise infoFile (German is always infoFile).
QString DescriptionSource(const LanguageState& language, const QString& infoFile);

// A coordinate field converted as a whole; text that is not a number counts by its leading
// number, and values beyond 16 bits stop at the nearest edge.
qint16 Coordinate(const QString& field);

// How a stored name is compared: the find dialog passes it through LocalizeName once more
// (when the interface is not German), find again compares it as stored.
enum class NameForm { LocalizeAgain, AsStored };

// The name begins with term, letter case ignored.
bool MatchesName(LanguageState& language, const QString& name, const QString& term,
                 NameForm form);
// The description contains term anywhere, letter case ignored.
bool MatchesDescription(const SearchText& description, const QString& term);

// Position of the first record from `from` on that matches term in mode (0 names,
// 1 descriptions); -1 when none does.
int FindMatch(LanguageState& language, const QList<SearchRecord>& records, int from,
              const QString& term, int mode, NameForm form);
// The same over the search cache, with the index of its names.
int FindMatch(LanguageState& language, SearchState& state, int from, const QString& term,
              int mode, NameForm form);

} // namespace Search
