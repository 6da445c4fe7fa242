#include "modules/search/ResultIndex.h"

#include "modules/search/FoldedText.h"
#include "modules/LOCAL.h"

#include <QHash>
#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Where part first occurs in text from `from` on. Sixteen places are tried at once by their
// first and last byte, and only where both fit is the rest compared.
std::string_view::size_type findIn(std::string_view text, std::string_view part, size_t from)
{
    const size_t n = text.size(), m = part.size();
    if (m == 0 || from > n || n - from < m)
        return m == 0 && from <= n ? from : std::string_view::npos;
    const char* p = text.data();
    size_t i = from;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(part.front());
    const __m128i last = _mm_set1_epi8(part.back());
    for (; i + m - 1 + 16 <= n; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + m - 1));
        unsigned both = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, first),
                                                                 _mm_cmpeq_epi8(b, last))));
        while (both) {
            const size_t at = i + size_t(std::countr_zero(both));
            if (m <= 2 || std::memcmp(p + at + 1, part.data() + 1, m - 2) == 0)
                return at;
            both &= both - 1;
        }
    }
#endif
    for (; i + m <= n; ++i) {
        if (p[i] == part.front() && std::memcmp(p + i, part.data(), m) == 0)
            return i;
    }
    return std::string_view::npos;
}

quint64 letterBit(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return quint64(1) << (c - 'a');
    if (c >= '0' && c <= '9')
        return quint64(1) << (26 + c - '0');
    return quint64(1) << (36 + c % 28);
}

quint64 lettersOf(std::string_view text)
{
    quint64 mask = 0;
    for (const char c : text)
        mask |= letterBit(static_cast<unsigned char>(c));
    return mask;
}

// The best of prefix, word start and anywhere for one spelling in one name.
MatchKind exactKind(std::string_view name, std::string_view term)
{
    MatchKind best = MatchKind::None;
    for (size_t at = findIn(name, term, 0); at != std::string_view::npos; at = findIn(name, term, at + 1)) {
        if (at == 0)
            return MatchKind::Prefix;
        if (!FoldedText::IsWordByte(static_cast<unsigned char>(name[at - 1])))
            return MatchKind::Word;
        best = MatchKind::Substring;
    }
    return best;
}

bool startsWith(std::string_view text, size_t at, std::string_view part)
{
    return at <= text.size() && text.size() - at >= part.size() &&
           std::memcmp(text.data() + at, part.data(), part.size()) == 0;
}

// Some part of text equals term but for one letter changed, added, dropped or two
// neighbours swapped.
bool withinOneEdit(std::string_view text, std::string_view term)
{
    const size_t m = term.size();
    if (text.size() + 1 < m)
        return false;
    for (size_t j = 0; j + m <= text.size() + 1; ++j) {
        size_t i = 0;
        while (i < m && j + i < text.size() && text[j + i] == term[i])
            ++i;
        if (i == m)
            return true;
        const std::string_view rest = term.substr(i + 1);
        if (startsWith(text, j + i + 1, rest) ||            // changed
            startsWith(text, j + i + 1, term.substr(i)) ||  // added
            startsWith(text, j + i, rest))                  // dropped
            return true;
        if (i + 1 < m && j + i + 1 < text.size() && text[j + i] == term[i + 1] &&
            text[j + i + 1] == term[i] && startsWith(text, j + i + 2, term.substr(i + 2)))
            return true;  // swapped
    }
    return false;
}

} // namespace

QString MatchKindName(MatchKind kind)
{
    switch (kind) {
    case MatchKind::Prefix: return QStringLiteral("prefix");
    case MatchKind::Word: return QStringLiteral("word");
    case MatchKind::Substring: return QStringLiteral("substring");
    case MatchKind::Fuzzy: return QStringLiteral("fuzzy");
    case MatchKind::Description: return QStringLiteral("description");
    case MatchKind::None: break;
    }
    return QString();
}

struct ResultIndex::Term
{
    std::vector<std::string> spellings;
    bool fuzzy = false;
    quint64 letters = 0;  // of the term as typed
};

void ResultIndex::clear()
{
    *this = ResultIndex();
}

void ResultIndex::build(const QList<SearchRecord>& records, LanguageState& language)
{
    clear();
    m_records = records;
    const bool german = LOCAL::IsGerman(language);
    const std::optional<IniOps::Reader> languageFile =
        german ? std::nullopt : std::optional<IniOps::Reader>(language.LanguageFile);

    // An entity is its map and its German name: the listings of one entity are gathered
    // under the first.
    std::vector<QHash<QString, int>> entityOf;  // per map: German name -> entity
    QStringList maps;
    std::vector<int> entityOfRecord(size_t(records.size()));
    for (qsizetype r = 0; r < records.size(); ++r) {
        const EntityId& id = records[r].entity;
        qsizetype map = maps.indexOf(id.mapId);
        if (map < 0) {
            map = maps.size();
            maps.append(id.mapId);
            entityOf.emplace_back();
        }
        QHash<QString, int>& names = entityOf[size_t(map)];
        auto it = names.constFind(id.name);
        if (it == names.constEnd()) {
            it = names.insert(id.name, int(m_first.size()));
            m_first.push_back(int(r));
        }
        const int e = it.value();
        entityOfRecord[size_t(r)] = e;
    }

    const size_t count = m_first.size();
    m_listingStart.assign(count + 1, 0);
    for (const int e : entityOfRecord)
        ++m_listingStart[size_t(e) + 1];
    for (size_t e = 0; e < count; ++e)
        m_listingStart[e + 1] += m_listingStart[e];
    m_listings.resize(entityOfRecord.size());
    std::vector<int> next(m_listingStart.begin(), m_listingStart.end() - 1);
    for (size_t r = 0; r < entityOfRecord.size(); ++r)
        m_listings[size_t(next[size_t(entityOfRecord[r])]++)] = int(r);

    m_german.resize(count);
    m_local.resize(count);
    m_description.resize(count);
    m_letters.resize(count);
    if (!german)
        m_shown.reserve(qsizetype(count));
    std::string folded;
    QString decoded;  // one buffer for every description read
    for (size_t e = 0; e < count; ++e) {
        const SearchRecord& r = records[m_first[e]];
        // Each text is followed by a NUL, which no term holds: a scan over a whole pool never
        // finds a term across two texts.
        const auto add = [](std::string& pool, QStringView text) {
            const Span s{quint32(pool.size()), 0};
            FoldedText::Append(pool, text);
            const Span added{s.offset, quint32(pool.size() - s.offset)};
            pool.push_back('\0');
            return added;
        };
        m_nameStarts.push_back(quint32(m_names.size()));
        m_nameOwner.push_back(int(e));
        m_german[e] = add(m_names, r.entity.name);
        m_local[e] = m_german[e];
        if (!german) {
            m_shown.append(LOCAL::LocalizeName(language, r.entity.name, *languageFile));
            folded.clear();
            FoldedText::Append(folded, m_shown.last());
            if (folded != name(m_german[e])) {
                m_nameStarts.push_back(quint32(m_names.size()));
                m_nameOwner.push_back(int(e));
                m_local[e] = Span{quint32(m_names.size()), quint32(folded.size())};
                m_names += folded;
                m_names.push_back('\0');
            }
        }
        m_letters[e] = lettersOf(name(m_german[e])) | lettersOf(name(m_local[e]));
        m_description[e] = add(m_descriptions, r.description.read(decoded));
    }
    m_names.shrink_to_fit();
    m_descriptions.shrink_to_fit();
    m_nameStarts.shrink_to_fit();
    m_nameOwner.shrink_to_fit();
}

QString ResultIndex::shownName(int entity) const
{
    return m_shown.isEmpty() ? germanName(entity) : m_shown[entity];
}

QStringList ResultIndex::categories(int entity) const
{
    QStringList list;
    for (int i = m_listingStart[size_t(entity)]; i < m_listingStart[size_t(entity) + 1]; ++i) {
        const QString& category = m_records[m_listings[size_t(i)]].category;
        if (!list.contains(category))
            list.append(category);
    }
    return list;
}

MatchKind ResultIndex::kindOf(int e, const Term& term) const
{
    const std::string_view german = name(m_german[size_t(e)]);
    const std::string_view local = name(m_local[size_t(e)]);
    const bool twoNames = m_local[size_t(e)].offset != m_german[size_t(e)].offset;
    MatchKind best = MatchKind::None;
    for (const std::string& s : term.spellings) {
        best = std::min(best, exactKind(local, s));
        if (twoNames)
            best = std::min(best, exactKind(german, s));
        if (best == MatchKind::Prefix)
            return best;
    }
    if (best != MatchKind::None)
        return best;
    // Which of the term's letters the names lack: a typo can account for one of them only.
    if (term.fuzzy && std::popcount(term.letters & ~m_letters[size_t(e)]) <= 1) {
        for (const std::string& s : term.spellings) {
            if (withinOneEdit(local, s) || (twoNames && withinOneEdit(german, s)))
                return MatchKind::Fuzzy;
        }
    }
    const Span d = m_description[size_t(e)];
    const std::string_view description(m_descriptions.data() + d.offset, d.length);
    for (const std::string& s : term.spellings) {
        if (findIn(description, s, 0) != std::string_view::npos)
            return MatchKind::Description;
    }
    return MatchKind::None;
}

// The term over all entities at once: one search through each pool instead of one per text,
// and only the names that can hold the term with a typo are looked at for one.
std::vector<MatchKind> ResultIndex::scanAll(const Term& term) const
{
    std::vector<MatchKind> kinds(size_t(entityCount()), MatchKind::None);
    const std::string_view names(m_names);
    // Every place a part occurs in a name: calls at(entity, name) once for each name that
    // holds it.
    const auto eachName = [&](std::string_view part, const auto& at) {
        for (size_t hit = findIn(names, part, 0); hit != std::string_view::npos;) {
            const size_t i = size_t(std::upper_bound(m_nameStarts.begin(), m_nameStarts.end(),
                                                      quint32(hit)) - m_nameStarts.begin()) - 1;
            const size_t start = m_nameStarts[i];
            const size_t end = names.find('\0', hit);
            at(m_nameOwner[i], names.substr(start, end - start));
            hit = findIn(names, part, end + 1);
        }
    };
    for (const std::string& s : term.spellings) {
        eachName(s, [&](int e, std::string_view name) {
            kinds[size_t(e)] = std::min(kinds[size_t(e)], exactKind(name, s));
        });
    }
    if (term.fuzzy) {
        // One typo leaves one half of the term as it is, or is two letters swapped across the
        // middle: only names holding one of those three can match.
        std::vector<char> candidate(size_t(entityCount()), 0);
        for (const std::string& s : term.spellings) {
            const size_t half = s.size() / 2;
            std::string swapped = s;
            std::swap(swapped[half - 1], swapped[half]);
            for (const std::string_view part :
                 {std::string_view(s).substr(0, half), std::string_view(s).substr(half),
                  std::string_view(swapped)})
                eachName(part, [&](int e, std::string_view) { candidate[size_t(e)] = 1; });
        }
        for (int e = 0; e < entityCount(); ++e) {
            if (!candidate[size_t(e)] || kinds[size_t(e)] != MatchKind::None ||
                std::popcount(term.letters & ~m_letters[size_t(e)]) > 1)
                continue;
            const std::string_view german = name(m_german[size_t(e)]);
            const std::string_view local = name(m_local[size_t(e)]);
            for (const std::string& s : term.spellings) {
                if (withinOneEdit(local, s) || withinOneEdit(german, s)) {
                    kinds[size_t(e)] = MatchKind::Fuzzy;
                    break;
                }
            }
        }
    }
    const std::string_view texts(m_descriptions);
    for (const std::string& s : term.spellings) {
        for (size_t hit = findIn(texts, s, 0); hit != std::string_view::npos;) {
            // The description that holds the hit: the last that starts at or before it.
            const auto it = std::upper_bound(m_description.begin(), m_description.end(), hit,
                                             [](size_t at, const Span& d) { return at < d.offset; });
            const size_t e = size_t(it - m_description.begin()) - 1;
            if (kinds[e] == MatchKind::None)
                kinds[e] = MatchKind::Description;
            hit = findIn(texts, s, m_description[e].offset + m_description[e].length + 1);
        }
    }
    return kinds;
}

std::vector<ResultRow> ResultIndex::match(const QString& text)
{
    std::string folded = FoldedText::Fold(QStringView(text).trimmed());
    Term term;
    term.spellings = FoldedText::Spellings(folded);
    term.fuzzy = FoldedText::Length(folded) >= kFuzzyLetters;
    term.letters = lettersOf(folded);

    // A longer term matches a part of what the shorter one matched, unless the longer one is
    // the first to allow a typo.
    const bool narrow = !m_lastTerm.empty() && folded.starts_with(m_lastTerm) &&
                        (FoldedText::Length(m_lastTerm) >= kFuzzyLetters || !term.fuzzy);
    std::vector<int> candidates;
    if (narrow)
        candidates.swap(m_lastMatches);
    m_lastMatches.clear();
    m_lastTerm.clear();
    if (folded.empty())
        return {};

    std::vector<ResultRow> byKind[int(MatchKind::None)];
    const auto consider = [&](int e) {
        const MatchKind kind = kindOf(e, term);
        if (kind == MatchKind::None)
            return;
        byKind[int(kind)].push_back({e, kind});
        m_lastMatches.push_back(e);
    };
    if (narrow) {
        for (const int e : candidates)
            consider(e);
    } else {
        const std::vector<MatchKind> kinds = scanAll(term);
        for (int e = 0; e < entityCount(); ++e) {
            if (kinds[size_t(e)] != MatchKind::None) {
                byKind[int(kinds[size_t(e)])].push_back({e, kinds[size_t(e)]});
                m_lastMatches.push_back(e);
            }
        }
    }
    m_lastTerm = std::move(folded);

    std::vector<ResultRow> rows;
    rows.reserve(m_lastMatches.size());
    for (const auto& kind : byKind)
        rows.insert(rows.end(), kind.begin(), kind.end());
    return rows;
}

qint64 ResultIndex::memoryBytes() const
{
    qint64 bytes = qint64(m_names.capacity() + m_descriptions.capacity());
    bytes += qint64((m_first.capacity() + m_listingStart.capacity() + m_listings.capacity() +
                     m_lastMatches.capacity()) * sizeof(int));
    bytes += qint64((m_german.capacity() + m_local.capacity() + m_description.capacity()) * sizeof(Span));
    bytes += qint64(m_letters.capacity() * sizeof(quint64));
    bytes += qint64(m_nameStarts.capacity() * sizeof(quint32) + m_nameOwner.capacity() * sizeof(int));
    for (const QString& s : m_shown)
        bytes += qint64(sizeof(QString)) + s.capacity() * 2;
    return bytes;
}
