#include "modules/search/SearchCache.h"

#include "modules/EntityId.h"
#include "modules/FileSystem.h"
#include "modules/IniCache.h"
#include "modules/IniDocument.h"
#include "modules/search/DescriptionTable.h"
#include "modules/search/SharedText.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Numeric.h"
#include "modules/StringOps.h"

#include <algorithm>
#include <vector>
#include <cmath>
#include <cstring>

namespace {

const QString kComma = QStringLiteral(",");

// Positions are plain numbers nearly always: those are read here at once, anything else
// takes the full conversion.
qint16 CoordinateOf(QStringView field)
{
    qsizetype i = 0;
    const qsizetype n = field.size();
    while (i < n && (field[i] == u' ' || field[i] == u'\t'))
        ++i;
    const qsizetype digits = i;
    int value = 0;
    while (i < n && i - digits < 5 && field[i] >= u'0' && field[i] <= u'9')
        value = value * 10 + (field[i++].unicode() - u'0');
    const bool number = i > digits;
    while (i < n && (field[i] == u' ' || field[i] == u'\t'))
        ++i;
    if (number && i == n)
        return qint16(std::min(value, 32767));
    return Search::Coordinate(field.toString());
}

// The term of a search, lower-cased once.
struct Term
{
    explicit Term(const QString& text)
        : text(text), lower(text.toLower()),
          latin1(std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x100; }))
    {
    }
    QString text, lower;
    bool latin1;  // then lower is text lowered character by character
};

// The scans below compare Latin-1 lowered character by character, without lower-cased copies,
// and take the long way as soon as they meet any other character.
using StringOps::LowerLatin1;

// The first len(term) characters, lower-cased, equal the term lower-cased.
bool NameBeginsWith(const QString& name, const Term& term)
{
    if (term.latin1) {
        const QStringView prefix = QStringView(name).left(term.text.size());
        qsizetype i = 0;
        for (; i < prefix.size(); ++i) {
            const char16_t c = prefix[i].unicode();
            if (c >= 0x100)
                break;
            if (LowerLatin1(c) != term.lower[i].unicode())
                return false;
        }
        if (i == prefix.size())
            return prefix.size() == term.lower.size();
    }
    return name.left(term.text.size()).toLower() == term.lower;
}

// The description lower-cased contains the term lower-cased.
bool DescriptionContains(QStringView description, const Term& term)
{
    if (description.isEmpty())
        return false;  // an empty text contains nothing
    if (term.latin1) {
        const QChar* d = description.constData();
        const QChar* t = term.lower.constData();
        const qsizetype n = description.size(), m = term.lower.size();
        qsizetype i = 0;
        for (; i + m <= n; ++i) {
            if (d[i].unicode() >= 0x100)
                break;
            qsizetype j = 0;
            while (j < m && d[i + j].unicode() < 0x100 &&
                   LowerLatin1(d[i + j].unicode()) == t[j].unicode())
                ++j;
            if (j == m)
                return true;
        }
        // Everything before position i is Latin-1; the rest cannot start a match unless it
        // holds another character.
        bool other = false;
        for (qsizetype k = i; k < n && !other; ++k)
            other = d[k].unicode() >= 0x100;
        if (!other)
            return false;
    }
    return StringOps::Contains(description.toString().toLower(), term.lower);
}

bool Localizes(const LanguageState& language, Search::NameForm form)
{
    return form == Search::NameForm::LocalizeAgain && !LOCAL::IsGerman(language);
}

// The language file when names are translated, read once for all the names of a search.
std::optional<IniOps::Reader> LanguageReader(const LanguageState& language, bool translating)
{
    return translating ? std::optional<IniOps::Reader>(language.LanguageFile) : std::nullopt;
}

// Only a translated name is a new string: the stored one is compared where it is, without
// touching its reference count, which would cost more than the comparison itself.
bool NameMatches(LanguageState& state, const QString& name, const Term& term,
                 const std::optional<IniOps::Reader>& language)
{
    return language ? NameBeginsWith(LOCAL::LocalizeName(state, name, *language), term)
                    : NameBeginsWith(name, term);
}

// What ReadIni hands over of a value: at most 2047 characters, never half of one.
QStringView cut(QStringView value)
{
    constexpr qsizetype limit = 2047;
    if (value.size() > limit)
        value.truncate(value[limit - 1].isHighSurrogate() ? limit - 1 : limit);
    return value;
}

// One listing found in a map, before its texts are laid out.
struct Listing
{
    QStringView key;
    qsizetype description;  // the description file's entry, -1 for none
    qsizetype section = 0;
    qint16 x = 0, y = 0;
};

// What the first pass finds in one map: its listings, with the keys still in the data file's
// text and the descriptions still in the description file's bytes.
struct MapListings
{
    std::shared_ptr<const IniDocument> document;  // the keys point into it
    QStringList sections;
    std::vector<Listing> listings;
    qsizetype nameUnits = 0;
};

std::optional<LinkError> readMap(const DescriptionTable& descriptions, const Search::MapFile& map,
                                 MapListings& found)
{
    found.document = IniCache::Load(map.dataFile);
    const IniOps::Reader data(found.document);
    found.sections = data.GetIniSections();
    if (found.document)
        found.listings.reserve(size_t(found.document->lineCount()));
    for (qsizetype s = 0; found.document && s < found.sections.size(); ++s) {
        const QString& section = found.sections[s];
        for (const IniDocument::Entry& entry : found.document->strictEntries(section)) {
            if (!IsSearchableKey(entry.key))
                continue;
            Listing listing{entry.key, descriptions.entryOf(entry.key), s};
            const QStringView value = cut(entry.value.value_or(QStringView()));
            if (StringOps::SplitItemView(value, 1, kComma).trimmed() == u"#") {
                const QString key = entry.key.toString();
                const QString target = StringOps::SplitItemView(value, 2, kComma).trimmed().toString();
                const QString targetValue = data.ReadIni(target, key, QString());
                if (StringOps::GetToken(targetValue, 1, kComma).trimmed().isEmpty())
                    return LinkError{map.dataFile, section, key, target};
                listing.x = Search::Coordinate(StringOps::GetToken(targetValue, 1, kComma));
                listing.y = Search::Coordinate(StringOps::GetToken(targetValue, 2, kComma));
            } else {
                listing.x = CoordinateOf(StringOps::TokenView(value, 1, kComma));
                listing.y = CoordinateOf(StringOps::TokenView(value, 2, kComma));
            }
            found.nameUnits += entry.key.size() + 1;
            found.listings.push_back(listing);
        }
    }
    return std::nullopt;
}

// Appends the records of one map. Its names go into one block, as the descriptions did: a
// hundred thousand records then cost no allocation each, and no text is copied twice.
void appendRecords(QList<SearchRecord>& cache, LanguageState& state,
                   const std::optional<IniOps::Reader>& language,
                   const DescriptionTable& descriptions, const Search::MapFile& map,
                   const MapListings& found)
{
    QString names(found.nameUnits, Qt::Uninitialized);
    QChar* nameOut = names.data();

    // What the records of a section share, set once.
    const QString mapId = FileSystem::GetFileStem(map.picture).toLower();
    std::vector<SearchRecord> shared(size_t(found.sections.size()));
    for (qsizetype s = 0; s < found.sections.size(); ++s) {
        SearchRecord& r = shared[size_t(s)];
        r.dataFile = map.dataFile;
        r.picture = map.picture;
        r.category = found.sections[s];
        r.category.remove(u'[').remove(u']');
        r.entity.mapId = mapId;
    }
    qsizetype n = 0;
    for (const Listing& l : found.listings) {
        std::memcpy(nameOut + n, l.key.data(), size_t(l.key.size()) * sizeof(QChar));
        nameOut[n + l.key.size()] = QChar(0);
        SearchRecord& record = cache.emplaceBack(shared[size_t(l.section)]);
        record.entity.name = SharedText::Part(names, n, l.key.size());
        record.description = descriptions.text(l.description);
        n += l.key.size() + 1;
        record.name = language ? LOCAL::LocalizeName(state, record.entity.name, *language)
                               : record.entity.name;
        record.x = l.x;
        record.y = l.y;
    }
}

} // namespace

QString LinkError::caption() { return QStringLiteral("Link Error"); }

QString LinkError::text() const
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("DB: ") + dataFile + crlf + crlf + u'[' + section + u']' + crlf + key +
           QStringLiteral("=#,") + target + crlf + crlf + QStringLiteral("Link-Target invalid!");
}

QString Search::DescriptionSource(const LanguageState& language, const QString& infoFile)
{
    if (LOCAL::IsGerman(language))
        return infoFile;
    const QString own = language.LanguageFolder + language.LanguageStem + "/info.data";
    return FileSystem::FileExists(own) ? own : infoFile;
}

qint16 Search::Coordinate(const QString& field)
{
    double value = Numeric::WholeNumber(field).value_or(Numeric::LeadingNumber(field));
    if (std::isnan(value))
        value = 0;
    return Numeric::ToInt16(std::clamp(value, -32768.0, 32767.0));
}

std::optional<LinkError> Search::CacheEntities(SearchState& search, LanguageState& state,
                                               const QString& dataFile, const QString& picture,
                                               const QString& infoFile)
{
    return CacheMaps(search, state, {{dataFile, picture}}, infoFile);
}

std::optional<LinkError> Search::CacheMaps(SearchState& search, LanguageState& state,
                                           const QList<MapFile>& maps, const QString& infoFile)
{
    const bool german = LOCAL::IsGerman(state);
    const std::optional<IniOps::Reader> language = LanguageReader(state, !german);
    // The description file is read once for all maps, and only its keys are decoded.
    const DescriptionTable descriptions(DescriptionSource(state, infoFile));
    // Every map is read before a record is made, so that the records are laid out once.
    std::vector<MapListings> found(size_t(maps.size()));
    qsizetype total = 0;
    for (qsizetype m = 0; m < maps.size(); ++m) {
        if (auto error = readMap(descriptions, maps[m], found[size_t(m)]))
            return error;
        total += qsizetype(found[size_t(m)].listings.size());
    }
    search.SearchCache.reserve(search.SearchCache.size() + total);
    for (qsizetype m = 0; m < maps.size(); ++m)
        appendRecords(search.SearchCache, state, language, descriptions, maps[m], found[size_t(m)]);
    return std::nullopt;
}

bool Search::MatchesName(LanguageState& language, const QString& name, const QString& term,
                         NameForm form)
{
    return NameMatches(language, name, Term(term), LanguageReader(language, Localizes(language, form)));
}

bool Search::MatchesDescription(const SearchText& description, const QString& term)
{
    QString decoded;
    return DescriptionContains(description.read(decoded), Term(term));
}

int Search::FindMatch(LanguageState& language, SearchState& state, int from, const QString& term,
                      int mode, NameForm form)
{
    const bool localize = Localizes(language, form);
    if (mode != 0 || localize)
        return FindMatch(language, state.SearchCache, from, term, mode, form);
    const QList<SearchRecord>& records = state.SearchCache;
    state.NameIndex.sync(records);
    const Term t(term);
    const NameStarts::Probe probe = NameStarts::probe(t.lower);
    for (int i = std::max(from, 0); i < records.size(); ++i) {
        if (state.NameIndex.mayBegin(i, probe) && NameBeginsWith(records[i].name, t))
            return i;
    }
    return -1;
}

int Search::FindMatch(LanguageState& state, const QList<SearchRecord>& records, int from,
                      const QString& term, int mode, NameForm form)
{
    const Term t(term);
    const std::optional<IniOps::Reader> language =
        LanguageReader(state, mode == 0 && Localizes(state, form));
    QString decoded;  // one buffer for every description read
    for (int i = std::max(from, 0); i < records.size(); ++i) {
        const SearchRecord& record = records[i];
        const bool match = mode == 0 ? NameMatches(state, record.name, t, language)
                                     : DescriptionContains(record.description.read(decoded), t);
        if (match)
            return i;
    }
    return -1;
}
