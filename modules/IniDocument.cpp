#include "modules/IniDocument.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// Position of the first "\n" or "\r" from `from` on, or size; eq becomes the position of the
// first "=" before it, or stays -1.
qsizetype findLineBreak(const char16_t* p, qsizetype from, qsizetype size, qsizetype& eq)
{
    qsizetype i = from;
#if defined(__SSE2__)
    // Files are long: sixteen characters a step, all three marks at once, one bit each.
    const __m128i lf = _mm_set1_epi16(u'\n');
    const __m128i cr = _mm_set1_epi16(u'\r');
    const __m128i equals = _mm_set1_epi16(u'=');
    for (; i + 16 <= size; i += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i + 8));
        const __m128i breaksA = _mm_or_si128(_mm_cmpeq_epi16(a, lf), _mm_cmpeq_epi16(a, cr));
        const __m128i breaksB = _mm_or_si128(_mm_cmpeq_epi16(b, lf), _mm_cmpeq_epi16(b, cr));
        const unsigned breaks = unsigned(_mm_movemask_epi8(_mm_packs_epi16(breaksA, breaksB)));
        if (eq < 0) {
            const unsigned signs = unsigned(_mm_movemask_epi8(
                _mm_packs_epi16(_mm_cmpeq_epi16(a, equals), _mm_cmpeq_epi16(b, equals))));
            if (signs && (!breaks || std::countr_zero(signs) < std::countr_zero(breaks)))
                eq = i + std::countr_zero(signs);
        }
        if (breaks)
            return i + std::countr_zero(breaks);
    }
#endif
    for (; i < size; ++i) {
        if (p[i] == u'\n' || p[i] == u'\r')
            return i;
        if (p[i] == u'=' && eq < 0)
            eq = i;
    }
    return size;
}

QString withoutLineBreaks(QStringView text)
{
    // A line break inside a name or value would tear the file apart at the next read.
    QString s = text.toString();
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

} // namespace

QString IniDocument::fold(QStringView name)
{
    return FoldedIndex::fold(name);
}

std::vector<FoldedIndex::Item> IniDocument::splitLines(std::vector<qsizetype>& headers)
{
    std::vector<FoldedIndex::Item> keys;
    const qsizetype n = m_text.size();
    // Growing by copying would cost as much as the scan: room for lines of 32 characters on
    // average, which profile files exceed; only pages that get written take memory.
    m_lines.reserve(size_t(n / 32 + 16));
    keys.reserve(size_t(n / 32 + 16));
    const auto* p = reinterpret_cast<const char16_t*>(m_text.constData());
    qsizetype start = 0;
    while (start < n) {
        qsizetype eq = -1;
        const qsizetype end = findLineBreak(p, start, n, eq);
        Line l;
        l.start = start;
        l.length = end - start;
        l.equals = eq < 0 ? -1 : eq - start;
        l.eolLength = end == n ? 0 : (p[end] == u'\r' && end + 1 < n && p[end + 1] == u'\n') ? 2 : 1;
        l.bracket = start < end && p[start] == u'[';
        qsizetype first = start;
        while (first < end && isBlank(QChar(p[first])))
            ++first;
        if (first < end) {
            l.kind = p[first] == u';'   ? LineKind::Comment
                     : p[first] == u'[' ? LineKind::Header
                                        : LineKind::Entry;
        }
        if (l.kind == LineKind::Header)
            headers.push_back(qsizetype(m_lines.size()));
        if (l.kind == LineKind::Entry) {
            // While the line is at hand: its key and the key's hash, for the index.
            qsizetype last = eq < 0 ? end : eq;
            while (last > first && isBlank(QChar(p[last - 1])))
                --last;
            const QStringView key(p + first, last - first);
            keys.push_back({0, key, qsizetype(m_lines.size()), FoldedIndex::nameHash(key)});
        }
        m_lines.push_back(l);
        start = end + l.eolLength;
    }
    return keys;
}

IniDocument::IniDocument(TextCodec::Decoded decoded)
    : m_text(std::move(decoded.text)), m_encoding(decoded.encoding)
{
    std::vector<qsizetype> headers;
    std::vector<FoldedIndex::Item> keys = splitLines(headers);

    for (const qsizetype i : headers) {
        const QStringView whole = line(i);
        if (m_lines[size_t(i)].bracket) {
            QString header = whole.toString();
            if (!m_firstStrictHeader.contains(header))
                m_firstStrictHeader.insert(std::move(header), i);
        }
        const QStringView afterBracket = trimBlanks(whole).mid(1);
        const qsizetype close = afterBracket.indexOf(u']');
        Section section;
        section.name = trimBlanks(close < 0 ? afterBracket : afterBracket.left(close)).toString();
        section.header = i;
        if (!m_sections.empty())
            m_sections.back().end = i;
        m_sections.push_back(std::move(section));
    }
    if (!m_sections.empty())
        m_sections.back().end = lineCount();

    // The names live in m_sections, which no longer grows.
    m_firstSection.reserve(qsizetype(m_sections.size()));
    for (size_t index = 0; index < m_sections.size(); ++index)
        m_firstSection.insertFirst(0, m_sections[index].name, qsizetype(index));

    // Only the first section of a name is indexed: the keys of the others are dropped in place.
    size_t kept = 0, next = 0; // entry lines come in file order, as the sections do
    for (size_t index = 0; index < m_sections.size(); ++index) {
        const Section& s = m_sections[index];
        const bool first = m_firstSection.find(0, s.name) == qsizetype(index);
        for (; next < keys.size() && keys[next].value < s.end; ++next) {
            if (first && keys[next].value > s.header) {
                keys[kept] = keys[next];
                keys[kept++].group = quint32(index);
            }
        }
    }
    keys.resize(kept);
    const std::vector<char> added = m_keys.insertAllFirst(keys);
    for (size_t k = 0; k < keys.size(); ++k)
        m_lines[size_t(keys[k].value)].indexed = added[k];
}

std::vector<IniDocument::SectionSpan> IniDocument::sectionSpans() const
{
    std::vector<SectionSpan> spans;
    spans.reserve(m_sections.size());
    for (size_t index = 0; index < m_sections.size(); ++index) {
        const Section& s = m_sections[index];
        spans.push_back({s.name, s.header, s.end, m_firstSection.find(0, s.name) == qsizetype(index)});
    }
    return spans;
}

QStringView IniDocument::line(qsizetype index) const
{
    const Line& l = m_lines[size_t(index)];
    return QStringView(m_text).mid(l.start, l.length);
}

QStringView IniDocument::keyOf(QStringView line)
{
    const qsizetype eq = line.indexOf(u'=');
    return trimBlanks(eq < 0 ? line : line.first(eq));
}

QStringView IniDocument::entryKey(qsizetype index) const
{
    const Line& l = m_lines[size_t(index)];
    const QStringView text(m_text.constData() + l.start, l.equals < 0 ? l.length : l.equals);
    return trimBlanks(text);
}

QStringView IniDocument::entryValue(qsizetype index) const
{
    const Line& l = m_lines[size_t(index)];
    if (l.equals < 0)
        return {};
    QStringView value = trimBlanks(
        QStringView(m_text.constData() + l.start + l.equals + 1, l.length - l.equals - 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

std::vector<IniDocument::Entry> IniDocument::strictEntries(const QString& section) const
{
    std::vector<Entry> entries;
    const auto [first, end] = strictSectionLines(u'[' + section + u']');
    if (first < 0)
        return entries;
    entries.reserve(size_t(end - first));
    // The listed header opens a section of that very name, so the first section of the name
    // is this one or ends before it. A line inside that first section which is the first of
    // its key there is what a lookup of the key finds: no need to look it up.
    const auto found = sectionIndex(section);
    const qsizetype sectionEnd = found ? m_sections[size_t(*found)].end : first;
    for (qsizetype i = first; i < end; ++i) {
        if (kind(i) == LineKind::Blank)
            continue;
        const QStringView key = entryKey(i);
        std::optional<QStringView> value;
        if (i < sectionEnd && m_lines[size_t(i)].indexed)
            value = entryValue(i);
        else if (found)
            value = valueView(*found, key);
        entries.push_back({key, value});
    }
    return entries;
}

std::optional<qsizetype> IniDocument::sectionIndex(QStringView name) const
{
    return m_firstSection.find(0, name);
}

std::optional<qsizetype> IniDocument::keyLine(qsizetype section, QStringView key) const
{
    return m_keys.find(quint32(section), key);
}

std::optional<QStringView> IniDocument::valueView(QStringView section, QStringView key) const
{
    const auto s = sectionIndex(section);
    if (!s)
        return std::nullopt;
    return valueView(*s, key);
}

std::optional<QStringView> IniDocument::valueView(qsizetype section, QStringView key) const
{
    const auto l = keyLine(section, key);
    if (!l)
        return std::nullopt;
    return entryValue(*l);
}

std::optional<QStringView> IniDocument::valueView(qsizetype section, QStringView key,
                                                  qsizetype& near) const
{
    if (section < 0 || size_t(section) >= m_sections.size())
        return std::nullopt;
    const Section& s = m_sections[size_t(section)];
    if (near > s.header && near < s.end) {
        // The line a lookup of the key would find: the first entry of its key in the section.
        const Line& l = m_lines[size_t(near)];
        if (l.kind == LineKind::Entry && l.indexed && FoldedIndex::sameName(entryKey(near), key))
            return entryValue(near++);
    }
    const auto l = keyLine(section, key);
    near = l ? *l + 1 : -1;
    if (!l)
        return std::nullopt;
    return entryValue(*l);
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const auto v = valueView(section, key);
    if (!v)
        return std::nullopt;
    return v->toString();
}

QStringList IniDocument::sectionNames() const
{
    QStringList names;
    names.reserve(qsizetype(m_sections.size()));
    for (const Section& s : m_sections)
        names.append(s.name);
    return names;
}

std::pair<qsizetype, qsizetype> IniDocument::strictSectionLines(const QString& header) const
{
    const auto it = m_firstStrictHeader.constFind(header);
    if (it == m_firstStrictHeader.constEnd())
        return {-1, -1};
    const qsizetype first = it.value() + 1;
    qsizetype end = first;
    while (end < lineCount() && !line(end).startsWith(u'['))
        ++end;
    return {first, end};
}

QString IniDocument::lineBreak(qsizetype afterLine) const
{
    if (afterLine >= 0 && afterLine < lineCount() && m_lines[size_t(afterLine)].eolLength > 0) {
        const Line& l = m_lines[size_t(afterLine)];
        return m_text.mid(l.start + l.length, l.eolLength);
    }
    for (const Line& l : m_lines) {
        if (l.eolLength > 0)
            return m_text.mid(l.start + l.length, l.eolLength);
    }
    return QStringLiteral("\r\n");
}

QString IniDocument::withValue(QStringView section, QStringView key, QStringView value) const
{
    const QString sectionName = withoutLineBreaks(trimBlanks(section));
    const QString keyName = withoutLineBreaks(trimBlanks(key));
    const QString newValue = withoutLineBreaks(value);

    const auto s = sectionIndex(sectionName);
    if (!s) {
        QString text = m_text;
        const QString eol = lineBreak(lineCount() - 1);
        if (!text.isEmpty() && !(text.endsWith(u'\n') || text.endsWith(u'\r')))
            text += eol;
        text += u'[' + sectionName + u']' + eol + keyName + u'=' + newValue + eol;
        return text;
    }

    if (const auto l = keyLine(*s, keyName)) {
        // Keep the line's own spelling of the key and its blanks; only the value changes.
        const Line& target = m_lines[size_t(*l)];
        const QStringView text = line(*l);
        qsizetype valueStart = text.indexOf(u'=');
        QString replacement;
        if (valueStart < 0) {
            replacement = text.toString() + u'=' + newValue;
        } else {
            ++valueStart;
            while (valueStart < text.size() && isBlank(text[valueStart]))
                ++valueStart;
            replacement = text.left(valueStart).toString() + newValue;
        }
        QString result = m_text;
        result.replace(target.start, target.length, replacement);
        return result;
    }

    const Section& sec = m_sections[size_t(*s)];
    qsizetype after = sec.header;
    for (qsizetype i = sec.end - 1; i > sec.header; --i) {
        if (kind(i) == LineKind::Entry) {
            after = i;
            break;
        }
    }
    const Line& anchor = m_lines[size_t(after)];
    const QString eol = lineBreak(after);
    const QString newLine = keyName + u'=' + newValue + eol;
    QString result = m_text;
    if (anchor.eolLength == 0)
        result.insert(anchor.start + anchor.length, eol + newLine);
    else
        result.insert(anchor.start + anchor.length + anchor.eolLength, newLine);
    return result;
}
