#include "modules/FoldedIndex.h"

#include "modules/StringOps.h"

#include <bit>
#include <cstring>

namespace {

// Latin-1 folds one character to one without the Unicode tables; the micro sign is the
// exception (it folds to Greek mu), so it takes the general way with everything past U+00FF.
bool foldsAlone(char16_t c)
{
    return c < 0x100 && c != 0xB5;
}

constexpr quint64 kPrime = 0x100000001b3ULL;
constexpr quint64 kSeed = 0xcbf29ce484222325ULL;

quint32 finish(quint64 h, quint32 group)
{
    h ^= quint64(group) * 0x9e3779b97f4a7c15ULL;
    h ^= h >> 29;
    h *= 0xbf58476d1ce4e5b9ULL;
    h ^= h >> 32;
    return quint32(h);
}

} // namespace

QString FoldedIndex::fold(QStringView name)
{
    const QStringView text = trimBlanks(name);
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (!foldsAlone(c))
            return text.toString().toCaseFolded();
        out[i] = QChar(StringOps::LowerLatin1(c));
    }
    return folded;
}

bool FoldedIndex::sameName(QStringView a, QStringView b)
{
    return sameTrimmed(trimBlanks(a), trimBlanks(b));
}

bool FoldedIndex::sameTrimmed(QStringView a, QStringView b)
{
    if (a.size() == b.size()) {
        // A lookup nearly always asks with the very spelling of the file.
        if (a.isEmpty() || std::memcmp(a.data(), b.data(), size_t(a.size()) * sizeof(QChar)) == 0)
            return true;
        qsizetype i = 0;
        for (; i < a.size(); ++i) {
            const char16_t x = a[i].unicode(), y = b[i].unicode();
            if (!foldsAlone(x) || !foldsAlone(y))
                break;
            if (StringOps::LowerLatin1(x) != StringOps::LowerLatin1(y))
                return false;
        }
        if (i == a.size())
            return true;
    } else if (latin1Only(a) && latin1Only(b)) {
        // Names of different lengths can only fold alike through the general rules.
        return false;
    }
    return fold(a) == fold(b);
}

bool FoldedIndex::latin1Only(QStringView text)
{
    for (const QChar c : text) {
        if (!foldsAlone(c.unicode()))
            return false;
    }
    return true;
}

quint64 FoldedIndex::nameHash(QStringView name)
{
    // Hashed four characters at a time with bit 5 of every character set: Latin-1 folds by
    // clearing or setting that bit, so names that fold alike hash alike without folding them.
    // The micro sign folds to Greek mu, which the general way below hashes as a micro sign.
    const auto mixIn = [](const char16_t* p, qsizetype n, quint64& seen) {
        quint64 h = kSeed;
        qsizetype i = 0;
        for (; i + 4 <= n; i += 4) {
            quint64 word;
            std::memcpy(&word, p + i, sizeof word);
            seen |= word;
            h = (h ^ (word | 0x0020002000200020ULL)) * kPrime;
        }
        quint64 tail = 0;
        for (; i < n; ++i) {
            tail = (tail << 16) | p[i];
            seen |= p[i];
        }
        return (h ^ (tail | 0x0020002000200020ULL) ^ quint64(n) << 58) * kPrime;
    };
    quint64 seen = 0;
    const quint64 h = mixIn(reinterpret_cast<const char16_t*>(name.data()), name.size(), seen);
    if (!(seen & 0xFF00FF00FF00FF00ULL))
        return h;
    // Not Latin-1 alone: the hash of the folded text, with the same mixing.
    QString folded = fold(name);
    folded.replace(QChar(0x03BC), QChar(0xB5));
    return mixIn(reinterpret_cast<const char16_t*>(folded.constData()), folded.size(), seen);
}

quint32 FoldedIndex::hashOf(quint32 group, QStringView name)
{
    return finish(nameHash(name), group);
}

void FoldedIndex::reserve(qsizetype count)
{
    m_entries.reserve(size_t(count));
    const size_t wanted = std::bit_ceil(size_t(count) * 2 + 2);
    if (wanted > m_slots.size())
        grow(wanted);
}

void FoldedIndex::grow(size_t slotCount)
{
    std::vector<Slot> table(slotCount);
    const size_t mask = slotCount - 1;
    for (const Slot& s : m_slots) {
        if (s.entry == 0)
            continue;
        size_t at = s.hash & mask;
        while (table[at].entry != 0)
            at = (at + 1) & mask;
        table[at] = s;
    }
    m_slots = std::move(table);
}

qsizetype FoldedIndex::lookup(quint32 group, QStringView name, quint32 hash) const
{
    if (m_slots.empty())
        return -1;
    const size_t mask = m_slots.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& s = m_slots[at];
        if (s.entry == 0)
            return -1;
        if (s.hash != hash)
            continue;
        const Entry& e = m_entries[s.entry - 1];
        if (e.group == group && sameTrimmed(e.name, name))
            return qsizetype(s.entry - 1);
    }
}

bool FoldedIndex::insertFirst(quint32 group, QStringView name, qsizetype value)
{
    name = trimBlanks(name);
    return insertHashed(group, name, value, hashOf(group, name));
}

bool FoldedIndex::insertHashed(quint32 group, QStringView name, qsizetype value, quint32 hash)
{
    if (lookup(group, name, hash) >= 0)
        return false;
    if ((m_entries.size() + 1) * 2 > m_slots.size())
        grow(std::max<size_t>(16, m_slots.size() * 2));
    m_entries.push_back({name, value, group, hash});
    const size_t mask = m_slots.size() - 1;
    size_t at = hash & mask;
    while (m_slots[at].entry != 0)
        at = (at + 1) & mask;
    m_slots[at] = {hash, quint32(m_entries.size())};
    return true;
}

std::vector<char> FoldedIndex::insertAllFirst(const std::vector<Item>& items)
{
    reserve(size() + qsizetype(items.size()));
    // The slots, scattered over a table that may be far larger than the caches, are fetched a
    // few insertions ahead; the names are only read where hashes meet.
    std::vector<char> added(items.size());
    constexpr size_t ahead = 16;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = 0; i < items.size(); ++i) {
#if defined(__GNUC__)
        if (i + ahead < items.size()) {
            const Item& later = items[i + ahead];
            __builtin_prefetch(&m_slots[finish(later.nameHash, later.group) & mask]);
        }
#endif
        const Item& item = items[i];
        added[i] = insertHashed(item.group, item.name, item.value, finish(item.nameHash, item.group));
    }
    return added;
}

std::optional<qsizetype> FoldedIndex::find(quint32 group, QStringView name) const
{
    name = trimBlanks(name);
    const qsizetype at = lookup(group, name, hashOf(group, name));
    if (at < 0)
        return std::nullopt;
    return m_entries[size_t(at)].value;
}
