#include "modules/search/DescriptionTable.h"


#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <limits>

namespace {

constexpr qsizetype kValueLimit = 2047;  // what a profile read hands over at most

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

// Decodes n bytes to out (room for n units); returns the units written.
qsizetype decode(const char* p, qsizetype n, TextCodec::Encoding encoding, QChar* out)
{
    if (encoding == TextCodec::Encoding::Windows1252) {
        const QString text = TextCodec::FromWindows1252(p, n);
        std::memcpy(out, text.constData(), size_t(text.size()) * sizeof(QChar));
        return text.size();
    }
    return SearchTextCodec::FromUtf8(p, n, reinterpret_cast<char16_t*>(out));
}


// The bytes of a value that a read hands over: at most 2047 characters decoded, never half of
// one.
qsizetype cutBytes(const char* p, qsizetype n, TextCodec::Encoding encoding)
{
    // Neither encoding takes more characters than bytes.
    if (n <= kValueLimit || encoding == TextCodec::Encoding::Windows1252)
        return std::min(n, kValueLimit);
    qsizetype i = 0, units = 0;
    while (i < n) {
        const uchar c = uchar(p[i]);
        const int length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        const int taken = length == 4 ? 2 : 1;
        if (units + taken > kValueLimit)
            break;
        units += taken;
        i += length;
    }
    return i;
}

} // namespace

DescriptionTable::DescriptionTable(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) ||
        file.size() >= std::numeric_limits<qint32>::max())
        return;
    // Read once and kept: the descriptions stay these bytes until one is shown or searched.
    const QByteArray bytes = file.readAll();
    const char* p = bytes.constData();
    const qsizetype bom = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    // One byte that is not UTF-8 makes the whole file Windows-1252.
    const bool utf8 = TextCodec::IsValidUtf8(p + bom, bytes.size() - bom);
    m_encoding = utf8 ? SearchText::Encoding::Utf8 : SearchText::Encoding::Windows1252;
    read(bytes, utf8 ? bom : 0, utf8 ? TextCodec::Encoding::Utf8 : TextCodec::Encoding::Windows1252);
    m_bytes = std::make_shared<const QByteArray>(bytes);
    buildIndex();
}

void DescriptionTable::read(const QByteArray& bytes, qsizetype from, TextCodec::Encoding encoding)
{
    // Decoded, a key is never longer than its line: the block is made once, and only the pages
    // written take memory.
    m_keys = QString(bytes.size(), Qt::Uninitialized);
    m_keysUsed = 0;
    m_entries.reserve(size_t(bytes.size() / 32 + 16));
    const char* p = bytes.constData();
    for (qsizetype line = from; line < bytes.size() && m_place != Place::After;) {
        const qsizetype end = lineEnd(p, line, bytes.size());
        takeLine(p, line, end, encoding);
        line = end + 1;
    }
    m_keys.truncate(m_keysUsed);
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
    Entry entry;
    entry.keyStart = quint32(m_keysUsed);
    entry.keyLength = quint32(decode(p + key.start, key.size(), encoding, m_keys.data() + m_keysUsed));
    m_keysUsed += entry.keyLength;
    if (eq) {
        ByteRange value = trimmed(p, {eq - p + 1, line.end});
        if (value.size() >= 2 && (p[value.start] == '"' || p[value.start] == '\'') &&
            p[value.end - 1] == p[value.start])
            value = {value.start + 1, value.end - 1};
        entry.valueStart = quint32(value.start);
        entry.valueLength = quint32(cutBytes(p + value.start, value.size(), encoding));
        entry.reference = value.size() > 0 && p[value.start] == '#';
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

SearchText DescriptionTable::valueOf(const Entry& e) const
{
    return SearchText(m_bytes, e.valueStart, e.valueLength, m_encoding);
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
    const QString value = valueOf(e).toString();
    return lookup(QStringView(value).mid(1).trimmed()).value_or(-1);
}

SearchText DescriptionTable::text(qsizetype entry) const
{
    return entry < 0 ? SearchText() : valueOf(m_entries[size_t(entry)]);
}
