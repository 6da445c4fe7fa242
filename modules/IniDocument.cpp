#include "modules/IniDocument.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// The first occurrence of a name counts; later ones are ignored.
template <typename Key> void insertFirst(QHash<Key, qsizetype>& hash, Key key, qsizetype value)
{
    if (!hash.contains(key))
        hash.insert(std::move(key), value);
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

QStringView IniDocument::trimBlanks(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QString IniDocument::fold(QStringView name)
{
    // Every name of every file passes through here: Latin-1 text (all but the micro sign,
    // which folds to Greek mu) folds character by character without the Unicode tables.
    const QStringView text = trimBlanks(name);
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x100 || c == 0xB5)
            return text.toString().toCaseFolded();
        const bool upper = (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
        out[i] = QChar(char16_t(upper ? c + 0x20 : c));
    }
    return folded;
}

IniDocument::IniDocument(TextCodec::Decoded decoded)
    : m_text(std::move(decoded.text)), m_encoding(decoded.encoding)
{
    const qsizetype n = m_text.size();
    const QChar* p = m_text.constData();
    const QStringView all(m_text);
    qsizetype start = 0;
    // Files end their lines with "\n" or "\r\n": find those with the fast search, and look
    // for a lone "\r" only inside each line.
    for (qsizetype i = 0; i < n; ++i) {
        qsizetype next = all.indexOf(u'\n', i);
        if (next < 0)
            next = n;
        // A "\r" before it ends the line: on its own, or as the start of "\r\n".
        if (const qsizetype cr = all.sliced(i, next - i).indexOf(u'\r'); cr >= 0)
            next = i + cr;
        else if (next == n)
            break;
        i = next;
        const qsizetype eol = (p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n') ? 2 : 1;
        m_lines.push_back({start, i - start, eol});
        i += eol - 1;
        start = i + 1;
    }
    if (start < n)
        m_lines.push_back({start, n - start, 0});

    for (qsizetype i = 0; i < lineCount(); ++i) {
        const QStringView whole = line(i);
        if (whole.startsWith(u'['))
            insertFirst(m_firstStrictHeader, whole.toString(), i);
        if (kind(i) != LineKind::Header)
            continue;
        const QStringView afterBracket = trimBlanks(whole).mid(1);
        const qsizetype close = afterBracket.indexOf(u']');
        Section section;
        section.name = trimBlanks(close < 0 ? afterBracket : afterBracket.left(close)).toString();
        section.header = i;
        if (!m_sections.empty())
            m_sections.back().end = i;
        insertFirst(m_firstSection, fold(section.name), qsizetype(m_sections.size()));
        m_sections.push_back(std::move(section));
    }
    if (!m_sections.empty())
        m_sections.back().end = lineCount();

    m_keys.reserve(lineCount() - qsizetype(m_sections.size()));  // no growing on the way
    for (const auto& [folded, index] : m_firstSection.asKeyValueRange()) {
        Q_UNUSED(folded);
        const Section& s = m_sections[size_t(index)];
        for (qsizetype i = s.header + 1; i < s.end; ++i) {
            if (kind(i) == LineKind::Entry)
                insertFirst(m_keys, std::pair{index, fold(entryKey(i))}, i);
        }
    }
}

QStringView IniDocument::line(qsizetype index) const
{
    const Line& l = m_lines[size_t(index)];
    return QStringView(m_text).mid(l.start, l.length);
}

IniDocument::LineKind IniDocument::kind(qsizetype index) const
{
    const QStringView text = trimBlanks(line(index));
    if (text.isEmpty())
        return LineKind::Blank;
    if (text.front() == u';')
        return LineKind::Comment;
    if (text.front() == u'[')
        return LineKind::Header;
    return LineKind::Entry;
}

QStringView IniDocument::entryKey(qsizetype index) const
{
    const QStringView text = line(index);
    const qsizetype eq = text.indexOf(u'=');
    return trimBlanks(eq < 0 ? text : text.left(eq));
}

QStringView IniDocument::entryValue(qsizetype index) const
{
    const QStringView text = line(index);
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0)
        return {};
    QStringView value = trimBlanks(text.mid(eq + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value;
}

std::optional<qsizetype> IniDocument::sectionIndex(QStringView name) const
{
    const auto it = m_firstSection.constFind(fold(name));
    if (it == m_firstSection.constEnd())
        return std::nullopt;
    return it.value();
}

std::optional<qsizetype> IniDocument::keyLine(qsizetype section, QStringView key) const
{
    const auto it = m_keys.constFind({section, fold(key)});
    if (it == m_keys.constEnd())
        return std::nullopt;
    return it.value();
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    const auto s = sectionIndex(section);
    if (!s)
        return std::nullopt;
    const auto l = keyLine(*s, key);
    if (!l)
        return std::nullopt;
    return entryValue(*l).toString();
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
