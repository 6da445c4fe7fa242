#include "modules/lint/ProfileScan.h"

#include "modules/FileSystem.h"
#include "modules/IniDocument.h"
#include "modules/TextCodec.h"

#include <QFile>
#include <QFileInfo>

namespace Lint {

namespace {

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
    : m_path(FileSystem::FindFile(path)) // the file the program reads, in whatever case
{
    QFile file(m_path);
    if (!QFileInfo(m_path).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    m_exists = true;
    m_bytes = file.readAll();
    // The program's own reader takes the file apart; this keeps its line numbers.
    const IniDocument document(TextCodec::Decode(m_bytes));
    for (const IniDocument::SectionSpan& span : document.sectionSpans()) {
        ScannedSection s;
        s.name = span.name.toString();
        s.header = document.line(span.header).toString();
        s.line = int(span.header) + 1;
        s.isFirst = span.first;
        if (s.isFirst)
            m_firstSection.insert(IniDocument::fold(s.name), int(m_sections.size()));
        for (qsizetype i = span.header + 1; i < span.end; ++i) {
            if (!document.isEntryLine(i))
                continue;
            const QStringView whole = document.line(i);
            const qsizetype eq = whole.indexOf(u'=');
            if (whole.startsWith(u' ') || whole.startsWith(u'\t'))
                m_leadingBlankLines.append(int(i) + 1);
            s.entries.append({IniDocument::keyOf(whole).toString(),
                              eq < 0 ? QString() : IniDocument::trimBlanks(whole.mid(eq + 1)).toString(),
                              int(i) + 1});
        }
        m_sections.append(std::move(s));
    }
}

const ScannedSection* ProfileScan::section(const QString& name) const
{
    const auto it = m_firstSection.constFind(IniDocument::fold(IniDocument::trimBlanks(name)));
    return it == m_firstSection.constEnd() ? nullptr : &m_sections[*it];
}

int ProfileScan::lineOf(const QString& sectionName, const QString& key) const
{
    const ScannedSection* s = section(sectionName);
    if (!s)
        return 0;
    const QString folded = IniDocument::fold(IniDocument::trimBlanks(key));
    for (const ScannedEntry& e : s->entries)
        if (IniDocument::fold(e.key) == folded)
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
            const QString folded = IniDocument::fold(e.key);
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
