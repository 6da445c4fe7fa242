#include "modules/search/SearchCache.h"

#include "modules/EntityId.h"
#include "modules/FileSystem.h"
#include "modules/IniOps.h"
#include "modules/LOCAL.h"
#include "modules/Numeric.h"
#include "modules/StringOps.h"

#include <algorithm>
#include <vector>
#include <cmath>

namespace {

const QString kComma = QStringLiteral(",");

const QString kInfo = QStringLiteral("Info");

QString Description(const IniOps::Reader& source, qsizetype info, const QString& key)
{
    const QStringView text = source.Value(info, key);
    if (!text.startsWith(u'#'))
        return text.toString();
    // One level only: the target's text is used even if it is a link itself.
    return source.Value(info, text.mid(1).trimmed()).toString();
}

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
bool DescriptionContains(const QString& description, const Term& term)
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
    return StringOps::Contains(description.toLower(), term.lower);
}

bool Localizes(Search::NameForm form)
{
    return form == Search::NameForm::LocalizeAgain && !LOCAL::IsGerman();
}

// The language file when names are translated, read once for all the names of a search.
std::optional<IniOps::Reader> LanguageReader(bool translating)
{
    return translating ? std::optional<IniOps::Reader>(LOCAL::State().LanguageFile) : std::nullopt;
}

// Only a translated name is a new string: the stored one is compared where it is, without
// touching its reference count, which would cost more than the comparison itself.
bool NameMatches(const QString& name, const Term& term, const std::optional<IniOps::Reader>& language)
{
    return language ? NameBeginsWith(LOCAL::LocalizeName(name, *language), term)
                    : NameBeginsWith(name, term);
}

} // namespace

SearchState& SearchState::instance()
{
    static SearchState state;
    return state;
}

QString LinkError::caption() { return QStringLiteral("Link Error"); }

QString LinkError::text() const
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("DB: ") + dataFile + crlf + crlf + u'[' + section + u']' + crlf + key +
           QStringLiteral("=#,") + target + crlf + crlf + QStringLiteral("Link-Target invalid!");
}

QString Search::DescriptionSource(const QString& infoFile)
{
    if (LOCAL::IsGerman())
        return infoFile;
    const LanguageState& language = LOCAL::State();
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

std::optional<LinkError> Search::CacheEntities(const QString& dataFile, const QString& picture,
                                               const QString& infoFile)
{
    QList<SearchRecord>& cache = SearchState::instance().SearchCache;
    const bool german = LOCAL::IsGerman();
    const std::optional<IniOps::Reader> language = LanguageReader(!german);
    // Each file is looked at once for the whole map rather than at every read.
    const IniOps::Reader descriptions(DescriptionSource(infoFile));
    const IniOps::Reader data(dataFile);
    const qsizetype info = descriptions.FindSection(kInfo);

    const QString mapId = FileSystem::GetFileStem(picture).toLower();
    const QStringList sections = data.GetIniSections();
    std::vector<std::vector<IniOps::Reader::Entry>> entriesOf;
    entriesOf.reserve(size_t(sections.size()));
    // All names of the map first, one after the other in memory: a name search then reads
    // them in order.
    for (const QString& section : sections)
        entriesOf.push_back(data.GetIniEntries(section));

    for (qsizetype s = 0; s < sections.size(); ++s) {
        const QString& section = sections[s];
        // What every record of the section shares, copied rather than assigned field by field.
        SearchRecord listing;
        listing.dataFile = dataFile;
        listing.picture = picture;
        listing.category = section;
        listing.category.remove(u'[').remove(u']');
        listing.entity.mapId = mapId;
        for (IniOps::Reader::Entry& entry : entriesOf[size_t(s)]) {
            const QString& key = entry.key;
            if (!IsSearchableKey(key))
                continue;
            qint16 x = 0, y = 0;
            const QStringView value = entry.value;
            if (StringOps::SplitItemView(value, 1, kComma).trimmed() == u"#") {
                const QString target = StringOps::SplitItemView(value, 2, kComma).trimmed().toString();
                const QString targetValue = data.ReadIni(target, key, QString());
                if (StringOps::GetToken(targetValue, 1, kComma).trimmed().isEmpty())
                    return LinkError{dataFile, section, key, target};
                x = Coordinate(StringOps::GetToken(targetValue, 1, kComma));
                y = Coordinate(StringOps::GetToken(targetValue, 2, kComma));
            } else {
                x = CoordinateOf(StringOps::TokenView(value, 1, kComma));
                y = CoordinateOf(StringOps::TokenView(value, 2, kComma));
            }
            // Built where it stays: no moves, and the key itself becomes the German name.
            SearchRecord& record = cache.emplaceBack(listing);
            record.description = Description(descriptions, info, key);
            record.entity.name = key;
            record.name = german ? std::move(entry.key) : LOCAL::LocalizeName(key, *language);
            record.x = x;
            record.y = y;
        }
    }
    return std::nullopt;
}

bool Search::MatchesName(const QString& name, const QString& term, NameForm form)
{
    return NameMatches(name, Term(term), LanguageReader(Localizes(form)));
}

bool Search::MatchesDescription(const QString& description, const QString& term)
{
    return DescriptionContains(description, Term(term));
}

int Search::FindMatch(SearchState& state, int from, const QString& term, int mode, NameForm form)
{
    const bool localize = Localizes(form);
    if (mode != 0 || localize)
        return FindMatch(state.SearchCache, from, term, mode, form);
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

int Search::FindMatch(const QList<SearchRecord>& records, int from, const QString& term, int mode,
                      NameForm form)
{
    const Term t(term);
    const std::optional<IniOps::Reader> language = LanguageReader(mode == 0 && Localizes(form));
    for (int i = std::max(from, 0); i < records.size(); ++i) {
        const SearchRecord& record = records[i];
        const bool match = mode == 0 ? NameMatches(record.name, t, language)
                                     : DescriptionContains(record.description, t);
        if (match)
            return i;
    }
    return -1;
}
