#include "modules/search/DescriptionTable.h"

#include "modules/search/SharedText.h"

#include <QFile>
#include <QFileInfo>
#include <bit>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qsizetype kValueLimit = 2047;  // what a profile read hands over at most
constexpr qsizetype kPiece = qsizetype(1) << 20;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

struct ByteRange
{
    qsizetype start = 0, end = 0;
    qsizetype size() const { return end - start; }
};

ByteRange trimmed(const char* p, ByteRange r)
{
    while (r.start < r.end && isBlank(p[r.start]))
        ++r.start;
    while (r.end > r.start && isBlank(p[r.end - 1]))
        --r.end;
    return r;
}

const char* findByte(const char* p, qsizetype from, qsizetype to, char c)
{
    return from < to ? static_cast<const char*>(std::memchr(p + from, c, size_t(to - from))) : nullptr;
}

qsizetype lineEnd(const char* p, qsizetype from, qsizetype to)
{
    const char* lf = findByte(p, from, to, '\n');
    const qsizetype lfAt = lf ? lf - p : to;
    const char* cr = findByte(p, from, lfAt, '\r');
    return cr ? cr - p : lfAt;
}

// Well-formed UTF-8 (checked before) to UTF-16; returns the units written. May write up to
// n units.
qsizetype fromUtf8(const uchar* p, qsizetype n, char16_t* out)
{
    qsizetype i = 0, o = 0;
    while (i < n) {
#if defined(__SSE2__)
        if (i + 16 <= n) {
            // Sixteen bytes widened at once; what follows a non-ASCII byte is written again.
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            const __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + o), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + o + 8), _mm_unpackhi_epi8(bytes, zero));
            const unsigned high = unsigned(_mm_movemask_epi8(bytes));
            const int ascii = high ? std::countr_zero(high) : 16;
            i += ascii;
            o += ascii;
            if (!high)
                continue;
        }
#endif
        const uchar c = p[i];
        if (c < 0x80) {
            out[o++] = c;
            i += 1;
        } else if (c < 0xE0) {
            out[o++] = char16_t(((c & 0x1F) << 6) | (p[i + 1] & 0x3F));
            i += 2;
        } else if (c < 0xF0) {
            out[o++] = char16_t(((c & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F));
            i += 3;
        } else {
            const char32_t u = (char32_t(c & 0x07) << 18) | (char32_t(p[i + 1] & 0x3F) << 12) |
                               (char32_t(p[i + 2] & 0x3F) << 6) | char32_t(p[i + 3] & 0x3F);
            out[o++] = QChar::highSurrogate(u);
            out[o++] = QChar::lowSurrogate(u);
            i += 4;
        }
    }
    return o;
}

// Decodes n bytes to out (room for n units); returns the units written.
qsizetype decode(const char* p, qsizetype n, TextCodec::Encoding encoding, QChar* out)
{
    if (encoding == TextCodec::Encoding::Windows1252) {
        const QString text = TextCodec::FromWindows1252(p, n);
        std::memcpy(out, text.constData(), size_t(text.size()) * sizeof(QChar));
        return text.size();
    }
    return fromUtf8(reinterpret_cast<const uchar*>(p), n, reinterpret_cast<char16_t*>(out));
}


} // namespace

DescriptionTable::DescriptionTable(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) ||
        file.size() >= std::numeric_limits<qint32>::max())
        return;
    if (!read(file, TextCodec::Encoding::Utf8)) {
        // Not UTF-8 after all: the whole file is Windows-1252.
        m_keys.clear();
        m_values.clear();
        m_entries.clear();
        m_place = Place::Before;
        if (!file.seek(0))
            return;
        read(file, TextCodec::Encoding::Windows1252);
    }
    buildIndex();
}

bool DescriptionTable::read(QFile& file, TextCodec::Encoding encoding)
{
    const bool utf8 = encoding != TextCodec::Encoding::Windows1252;
    // Decoded, a key or a value (with its NUL) is never longer than its line: the blocks are
    // made once, and only the pages written take memory.
    m_keys = QString(file.size(), Qt::Uninitialized);
    m_values = QString(file.size(), Qt::Uninitialized);
    m_keysUsed = m_valuesUsed = 0;
    m_entries.reserve(size_t(file.size() / 32 + 16));
    QByteArray piece(kPiece, Qt::Uninitialized);
    qsizetype filled = 0;
    bool start = true, atEnd = false;
    while (!atEnd) {
        if (filled == piece.size())
            piece.resize(piece.size() * 2);  // one line longer than the piece
        const qint64 got = file.read(piece.data() + filled, piece.size() - filled);
        atEnd = got <= 0;
        filled += std::max<qint64>(got, 0);
        const char* p = piece.constData();
        qsizetype from = 0;
        if (start && utf8 && filled >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
            from = 3;
        // Whole lines only, until the file ends: a line break never splits a character.
        qsizetype upTo = filled;
        if (!atEnd) {
            while (upTo > from && p[upTo - 1] != '\n' && p[upTo - 1] != '\r')
                --upTo;
            if (upTo == from)
                continue;
        }
        start = false;
        if (utf8 && !TextCodec::IsValidUtf8(p + from, upTo - from))
            return false;
        for (qsizetype line = from; line < upTo && m_place != Place::After;) {
            const qsizetype end = lineEnd(p, line, upTo);
            takeLine(p, line, end, encoding);
            line = end + 1;
        }
        std::memmove(piece.data(), p + upTo, size_t(filled - upTo));
        filled -= upTo;
    }
    m_keys.truncate(m_keysUsed);
    m_values.truncate(m_valuesUsed);
    return true;
}

void DescriptionTable::takeLine(const char* p, qsizetype start, qsizetype end,
                                TextCodec::Encoding encoding)
{
    const ByteRange line = trimmed(p, {start, end});
    if (line.size() == 0 || p[line.start] == ';')
        return;
    if (p[line.start] == '[') {
        // Later sections of the name are never read.
        if (m_place == Place::Inside) {
            m_place = Place::After;
            return;
        }
        const char* close = findByte(p, line.start + 1, line.end, ']');
        const ByteRange name = trimmed(p, {line.start + 1, close ? close - p : line.end});
        QString decoded(name.size(), Qt::Uninitialized);
        decoded.truncate(decode(p + name.start, name.size(), encoding, decoded.data()));
        if (FoldedIndex::sameName(decoded, u"info"))
            m_place = Place::Inside;
        return;
    }
    if (m_place != Place::Inside)
        return;
    const char* eq = findByte(p, line.start, line.end, '=');
    const ByteRange key = trimmed(p, {line.start, eq ? eq - p : line.end});
    // Decoded, a key or a value with its NUL is never longer than its line: the blocks made
    // as long as the file hold them all.
    Entry entry;
    entry.keyStart = quint32(m_keysUsed);
    entry.keyLength = quint32(decode(p + key.start, key.size(), encoding, m_keys.data() + m_keysUsed));
    m_keysUsed += entry.keyLength;
    if (eq) {
        ByteRange value = trimmed(p, {eq - p + 1, line.end});
        if (value.size() >= 2 && (p[value.start] == '"' || p[value.start] == '\'') &&
            p[value.end - 1] == p[value.start])
            value = {value.start + 1, value.end - 1};
        QChar* out = m_values.data() + m_valuesUsed;
        qsizetype units = decode(p + value.start, value.size(), encoding, out);
        if (units > kValueLimit)
            units = out[kValueLimit - 1].isHighSurrogate() ? kValueLimit - 1 : kValueLimit;
        out[units] = QChar(0);
        entry.valueStart = quint32(m_valuesUsed);
        entry.valueLength = quint32(units);
        entry.reference = units > 0 && out[0] == u'#';
        m_valuesUsed += units + 1;
    }
    m_entries.push_back(entry);
}

void DescriptionTable::buildIndex()
{
    m_index.reserve(qsizetype(m_entries.size()));
    // In batches: the index reads ahead within a batch, and the batch stays small.
    constexpr size_t batch = 4096;
    std::vector<FoldedIndex::Item> items;
    items.reserve(batch);
    for (size_t from = 0; from < m_entries.size(); from += batch) {
        items.clear();
        const size_t to = std::min(m_entries.size(), from + batch);
        for (size_t i = from; i < to; ++i) {
            const QStringView key = keyOf(m_entries[i]);
            items.push_back({0, key, qsizetype(i), FoldedIndex::nameHash(key)});
        }
        const std::vector<char> added = m_index.insertAllFirst(items);
        for (size_t i = from; i < to; ++i)
            m_entries[i].first = added[i - from];
    }
}

std::optional<qsizetype> DescriptionTable::lookup(QStringView key) const
{
    // Maps and their description files tend to list the entities in the same order.
    if (size_t(m_near) < m_entries.size()) {
        const Entry& near = m_entries[size_t(m_near)];
        if (near.first && FoldedIndex::sameName(keyOf(near), key))
            return m_near++;
    }
    const std::optional<qsizetype> found = m_index.find(0, key);
    if (found)
        m_near = *found + 1;
    return found;
}

QString DescriptionTable::valueOf(const Entry& e) const
{
    return SharedText::Part(m_values, e.valueStart, e.valueLength);
}

qsizetype DescriptionTable::entryOf(QStringView key) const
{
    const std::optional<qsizetype> entry = lookup(key);
    if (!entry)
        return -1;
    // The flag, not the text: the text is far away in memory by now.
    const Entry& e = m_entries[size_t(*entry)];
    if (!e.reference)
        return *entry;
    // A reference: the entry it names, even if that is a reference again.
    const QStringView value = QStringView(m_values).mid(e.valueStart, e.valueLength);
    return lookup(value.mid(1).trimmed()).value_or(-1);
}

QString DescriptionTable::text(qsizetype entry) const
{
    return entry < 0 ? QString() : valueOf(m_entries[size_t(entry)]);
}
