#pragma once
// What the result list searches: every entity of the search cache once (its map and German
// name), with all its categories, its name in German and in the interface language and its
// description, folded for matching. The records stay the search cache's own: the index keeps
// a shared copy of that list, not of its texts.
#include "modules/search/SearchCache.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

// How an entity matched, best first; the list is ordered by it, then by map order.
enum class MatchKind : quint8 { Prefix, Word, Substring, Fuzzy, Description, None };

// "prefix", "word", "substring", "fuzzy", "description".
QString MatchKindName(MatchKind kind);

struct ResultRow
{
    int entity = -1;
    MatchKind kind = MatchKind::None;
    bool operator==(const ResultRow&) const = default;
};

class ResultIndex
{
public:
    // Terms of this many letters or more also find names with one typo in them.
    static constexpr int kFuzzyLetters = 5;

    // Indexes records (one per listing, in cache order). Names show as language shows them.
    void build(const QList<SearchRecord>& records, LanguageState& language);
    void clear();

    const QList<SearchRecord>& records() const { return m_records; }
    int entityCount() const { return int(m_first.size()); }
    // The entity's first listing: its map, picture, position and description.
    const SearchRecord& record(int entity) const { return m_records[m_first[size_t(entity)]]; }
    QString mapId(int entity) const { return record(entity).entity.mapId; }
    QString germanName(int entity) const { return record(entity).entity.name; }
    QString shownName(int entity) const;
    // Every category that lists the entity, directly or by a link, in cache order.
    QStringList categories(int entity) const;
    // The search cache position of the entity's first listing.
    int recordIndex(int entity) const { return m_first[size_t(entity)]; }

    // Entities matching term, ordered. Each call remembers its term: a term that continues
    // the previous one looks only at the previous matches.
    std::vector<ResultRow> match(const QString& term);

    // Bytes the index adds to the search cache.
    qint64 memoryBytes() const;

private:
    struct Span
    {
        quint32 offset = 0;
        quint32 length = 0;
    };
    struct Term;
    MatchKind kindOf(int entity, const Term& term) const;
    std::vector<MatchKind> scanAll(const Term& term) const;
    std::string_view name(Span s) const { return {m_names.data() + s.offset, s.length}; }

    QList<SearchRecord> m_records;     // shared with the search cache
    QStringList m_shown;               // interface-language names; empty for German
    std::vector<int> m_first;          // entity -> its first record
    std::vector<int> m_listingStart;   // entity -> its first entry in m_listings
    std::vector<int> m_listings;       // records of every entity, entity after entity
    std::string m_names;               // folded names, one after the other
    std::string m_descriptions;        // folded descriptions
    std::vector<Span> m_german, m_local, m_description;
    std::vector<quint32> m_nameStarts;  // where each name of m_names starts, in order
    std::vector<int> m_nameOwner;       // and whose it is
    std::vector<quint64> m_letters;    // which letters each entity's names hold

    std::string m_lastTerm;            // the previous term, folded
    std::vector<int> m_lastMatches;    // the entities it matched, in order
};
