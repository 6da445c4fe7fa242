#pragma once
// One profile file taken apart into lines and sections, with the lookups of the Windows
// profile functions and the edit that WriteIni makes. Built in linear time from the text.
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

    TextCodec::Encoding encoding() const { return m_encoding; }
    const QString& text() const { return m_text; }
    qsizetype lineCount() const { return qsizetype(m_lines.size()); }
    QStringView line(qsizetype index) const;

    // Value of the first key of that name in the first section of that name, trimmed and
    // unquoted; nullopt when there is no such key. Names are trimmed and matched ignoring case.
    std::optional<QString> value(QStringView section, QStringView key) const;

    // Section names of every header, in file order, trimmed.
    QStringList sectionNames() const;

    // Lines after the first line that equals header exactly, up to (not including) the next line
    // starting with "[", or the end; -1/-1 when no line equals header.
    std::pair<qsizetype, qsizetype> strictSectionLines(const QString& header) const;

    // The whole text after setting key in section to value, as WritePrivateProfileString does.
    QString withValue(QStringView section, QStringView key, QStringView value) const;

    // Trims blanks and tabs, the only characters the profile rules ignore around names.
    static QStringView trimBlanks(QStringView text);
    static QString fold(QStringView name);

private:
    struct Line
    {
        qsizetype start = 0;
        qsizetype length = 0;    // without the line break
        qsizetype eolLength = 0; // 0, 1 ("\n" or "\r") or 2 ("\r\n")
    };
    struct Section
    {
        QString name;
        qsizetype header = 0; // line index of the header
        qsizetype end = 0;    // first line after the section
    };
    enum class LineKind { Blank, Comment, Header, Entry };

    LineKind kind(qsizetype index) const;
    QStringView entryKey(qsizetype index) const;
    QStringView entryValue(qsizetype index) const;
    std::optional<qsizetype> sectionIndex(QStringView name) const;
    std::optional<qsizetype> keyLine(qsizetype section, QStringView key) const;
    QString lineBreak(qsizetype afterLine) const;

    QString m_text;
    TextCodec::Encoding m_encoding;
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    QHash<QString, qsizetype> m_firstSection;      // folded name -> index into m_sections
    QHash<QString, qsizetype> m_firstStrictHeader; // exact line -> line index
    // (section index, folded key) -> line of the first entry of that key; only the first
    // section of a name is indexed, later ones can never be read.
    QHash<std::pair<qsizetype, QString>, qsizetype> m_keys;
};
