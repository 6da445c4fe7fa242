#pragma once
// One profile file taken apart into lines and sections, with the lookups of the Windows
// profile functions and the edit that WriteIni makes. Built in linear time from the text.
#include "modules/FoldedIndex.h"
#include "modules/TextCodec.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class IniDocument
{
public:
    explicit IniDocument(TextCodec::Decoded decoded);
    // The indexes point into the text.
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    TextCodec::Encoding encoding() const { return m_encoding; }
    const QString& text() const { return m_text; }
    qsizetype lineCount() const { return qsizetype(m_lines.size()); }
    QStringView line(qsizetype index) const;

    // Value of the first key of that name in the first section of that name, trimmed and
    // unquoted; nullopt when there is no such key. Names are trimmed and matched ignoring case.
    std::optional<QString> value(QStringView section, QStringView key) const;
    // The same as a view into text().
    std::optional<QStringView> valueView(QStringView section, QStringView key) const;
    // The same in two steps, for many keys of one section.
    std::optional<qsizetype> sectionIndex(QStringView name) const;
    std::optional<QStringView> valueView(qsizetype section, QStringView key) const;
    // The same where near is the line after the previous lookup's entry (-1 at first), moved on
    // to the line after this one's: lookups that follow the file's order skip the index.
    std::optional<QStringView> valueView(qsizetype section, QStringView key, qsizetype& near) const;

    // Section names of every header, in file order, trimmed.
    QStringList sectionNames() const;

    // Every section in file order with the lines it spans: its header, and the first line after
    // it. Only the first section of a name is ever read. For tools that report by line.
    struct SectionSpan
    {
        QStringView name;
        qsizetype header = 0;
        qsizetype end = 0;
        bool first = true;
    };
    std::vector<SectionSpan> sectionSpans() const;
    // A line that holds an entry: neither blank, nor a comment, nor a header.
    bool isEntryLine(qsizetype index) const { return kind(index) == LineKind::Entry; }

    // Lines after the first line that equals header exactly, up to (not including) the next line
    // starting with "[", or the end; -1/-1 when no line equals header.
    std::pair<qsizetype, qsizetype> strictSectionLines(const QString& header) const;

    // The whole text after setting key in section to value, as WritePrivateProfileString does.
    QString withValue(QStringView section, QStringView key, QStringView value) const;

    // The lines of strictSectionLines("[" + section + "]") that are not blank: each with its
    // key as GetIniKeys cuts it, and what value(section, key) gives for that key.
    struct Entry
    {
        QStringView key;
        std::optional<QStringView> value;
    };
    std::vector<Entry> strictEntries(const QString& section) const;

    // Trims blanks and tabs, the only characters the profile rules ignore around names.
    static QStringView trimBlanks(QStringView text) { return FoldedIndex::trimBlanks(text); }
    static QString fold(QStringView name);
    // The key of an entry line: the text before the first "=" (all of it without one), trimmed.
    static QStringView keyOf(QStringView line);

private:
    enum class LineKind : quint8 { Blank, Comment, Header, Entry };
    struct Line
    {
        qsizetype start = 0;
        qsizetype length = 0;   // without the line break
        qsizetype equals = -1;  // offset of the first "=", -1 without one
        quint8 eolLength = 0;   // 0, 1 ("\n" or "\r") or 2 ("\r\n")
        LineKind kind = LineKind::Blank;
        bool indexed = false;   // the entry a lookup of its key in its section finds
        bool bracket = false;   // the very first character is "["
    };
    struct Section
    {
        QString name;
        qsizetype header = 0; // line index of the header
        qsizetype end = 0;    // first line after the section
    };

    // Fills m_lines and lists the header lines; returns the key of every entry line, in order,
    // its line as the value and its section still to be filled in.
    std::vector<FoldedIndex::Item> splitLines(std::vector<qsizetype>& headers);
    LineKind kind(qsizetype index) const { return m_lines[size_t(index)].kind; }
    QStringView entryKey(qsizetype index) const;
    QStringView entryValue(qsizetype index) const;
    std::optional<qsizetype> keyLine(qsizetype section, QStringView key) const;
    QString lineBreak(qsizetype afterLine) const;

    QString m_text;
    TextCodec::Encoding m_encoding;
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    FoldedIndex m_firstSection;                    // name -> index into m_sections
    QHash<QString, qsizetype> m_firstStrictHeader; // exact line -> line index
    // Key (grouped by section index) -> line of the first entry of that key; only the first
    // section of a name is indexed, later ones can never be read.
    FoldedIndex m_keys;
};
