#include "modules/lint/ProfileScan.h"

#include "modules/TextCodec.h"

#include <QFile>
#include <QFileInfo>

namespace Lint {

namespace {

QStringView trimBlanks(QStringView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && (text[b] == u' ' || text[b] == u'\t'))
        ++b;
    while (e > b && (text[e - 1] == u' ' || text[e - 1] == u'\t'))
        --e;
    return text.mid(b, e - b);
}

// Bytes that Windows-1252 leaves undefined, and control characters no text file holds.
bool isForeignByte(unsigned char c)
{
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
        return true;
    return c < 0x20 && c != '\t' && c != '\r' && c != '\n';
}

// Offset of the first well-formed UTF-8 sequence of two or more bytes, or -1.
qsizetype firstUtf8Sequence(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
        if (p[i] < 0xC2 || p[i] > 0xF4)
            continue;
        const int length = p[i] < 0xE0 ? 2 : p[i] < 0xF0 ? 3 : 4;
        if (i + length <= bytes.size() && TextCodec::IsValidUtf8(bytes.constData() + i, length))
            return i;
    }
    return -1;
}

} // namespace

int LineOfOffset(const QByteArray& bytes, qsizetype offset)
{
    return int(QByteArrayView(bytes).first(std::min(offset, bytes.size())).count('\n')) + 1;
}

ProfileScan::ProfileScan(const QString& path)
    : m_path(path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    m_exists = true;
    m_bytes = file.readAll();
    const QString text = TextCodec::Decode(m_bytes).text;

    int lineNumber = 0;
    qsizetype start = 0;
    const qsizetype n = text.size();
    while (start <= n) {
        qsizetype end = start;
        while (end < n && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        if (start == n && end == n)
            break;
        ++lineNumber;
        const QStringView whole = QStringView(text).mid(start, end - start);
        const QStringView trimmed = trimBlanks(whole);
        if (trimmed.startsWith(u'[')) {
            const QStringView inner = trimmed.mid(1);
            const qsizetype close = inner.indexOf(u']');
            ScannedSection s;
            s.name = trimBlanks(close < 0 ? inner : inner.left(close)).toString();
            s.header = whole.toString();
            s.line = lineNumber;
            const QString folded = s.name.toCaseFolded();
            s.isFirst = !m_firstSection.contains(folded);
            if (s.isFirst)
                m_firstSection.insert(folded, int(m_sections.size()));
            m_sections.append(std::move(s));
        } else if (!trimmed.isEmpty() && !trimmed.startsWith(u';') && !m_sections.isEmpty()) {
            const qsizetype eq = whole.indexOf(u'=');
            const QStringView rawKey = eq < 0 ? whole : whole.left(eq);
            if (rawKey.startsWith(u' ') || rawKey.startsWith(u'\t'))
                m_leadingBlankLines.append(lineNumber);
            m_sections.last().entries.append({trimBlanks(rawKey).toString(),
                                              eq < 0 ? QString() : trimBlanks(whole.mid(eq + 1)).toString(),
                                              lineNumber});
        }
        start = end;
        if (start < n && text[start] == u'\r' && start + 1 < n && text[start + 1] == u'\n')
            ++start;
        ++start;
    }
}

const ScannedSection* ProfileScan::section(const QString& name) const
{
    const auto it = m_firstSection.constFind(trimBlanks(name).toString().toCaseFolded());
    return it == m_firstSection.constEnd() ? nullptr : &m_sections[*it];
}

int ProfileScan::lineOf(const QString& sectionName, const QString& key) const
{
    const ScannedSection* s = section(sectionName);
    if (!s)
        return 0;
    const QString folded = trimBlanks(key).toString().toCaseFolded();
    for (const ScannedEntry& e : s->entries)
        if (e.key.toCaseFolded() == folded)
            return e.line;
    return s->line;
}

void ProfileScan::reportTextProblems(Report& report) const
{
    if (!m_exists)
        return;
    reportEncoding(report);
    for (const int line : m_leadingBlankLines)
        report.warning(m_path, line,
                       QStringLiteral("key begins with a blank; the program reads it without the blank"));
    for (const ScannedSection& s : m_sections) {
        if (!s.isFirst) {
            report.warning(m_path, s.line,
                           QStringLiteral("section [%1] appears again (first at line %2); this one is never read")
                               .arg(s.name)
                               .arg(section(s.name)->line));
            continue;
        }
        QHash<QString, int> seen;
        for (const ScannedEntry& e : s.entries) {
            const QString folded = e.key.toCaseFolded();
            if (const auto it = seen.constFind(folded); it != seen.constEnd())
                report.warning(m_path, e.line,
                               QStringLiteral("key \"%1\" appears again in [%2] (first at line %3); "
                                              "this one is never read")
                                   .arg(e.key, s.name)
                                   .arg(*it));
            else
                seen.insert(folded, e.line);
        }
    }
}

void ProfileScan::reportEncoding(Report& report) const
{
    if (m_bytes.startsWith("\xFF\xFE") || m_bytes.startsWith("\xFE\xFF")) {
        report.error(m_path, 1, QStringLiteral("UTF-16 text; the program reads only UTF-8 or Windows-1252"));
        return;
    }
    const bool utf8 = TextCodec::IsValidUtf8(m_bytes.constData(), m_bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(m_bytes.constData());
    for (qsizetype i = 0; i < m_bytes.size(); ++i) {
        // Control bytes are foreign to both encodings; the other foreign bytes only to Windows-1252.
        if (isForeignByte(p[i]) && (!utf8 || p[i] < 0x20)) {
            report.error(m_path, LineOfOffset(m_bytes, i),
                         QStringLiteral("neither UTF-8 nor Windows-1252 text (byte 0x%1)")
                             .arg(int(p[i]), 2, 16, QLatin1Char('0')));
            return;
        }
    }
    if (utf8)
        return;
    if (const qsizetype at = firstUtf8Sequence(m_bytes); at >= 0)
        report.warning(m_path, LineOfOffset(m_bytes, at),
                       QStringLiteral("mixed encodings: the file is read as Windows-1252, so the UTF-8 "
                                      "characters from here on show garbled"));
}

} // namespace Lint
