#pragma once
// One profile file read line by line the way the program's reader takes it apart, keeping the
// line numbers that findings need. Reports what is wrong with the file as a text file: its
// encoding, duplicate sections and keys, keys with leading blanks.
#include "modules/lint/LintReport.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace Lint {

struct ScannedEntry
{
    QString key;   // trimmed, as the program sees it
    QString value; // trimmed
    int line = 0;
};

struct ScannedSection
{
    QString name;  // between the brackets, trimmed
    QString header; // the whole header line as written
    int line = 0;
    QList<ScannedEntry> entries;
    bool isFirst = true; // a later section of the same name is never read
};

class ProfileScan
{
public:
    // Reads path; missing, unreadable or not a regular file leaves exists() false.
    explicit ProfileScan(const QString& path);

    const QString& path() const { return m_path; }
    bool exists() const { return m_exists; }
    const QList<ScannedSection>& sections() const { return m_sections; }

    // The first section read under name (case and blanks ignored), or null.
    const ScannedSection* section(const QString& name) const;
    // Line of the first entry key in the first section of that name; 0 when there is none.
    int lineOf(const QString& section, const QString& key) const;

    // Encoding, duplicate sections and keys, keys with leading blanks.
    void reportTextProblems(Report& report) const;

private:
    void reportEncoding(Report& report) const;

    QString m_path;
    bool m_exists = false;
    QByteArray m_bytes;
    QList<ScannedSection> m_sections;
    QHash<QString, int> m_firstSection; // folded name -> index
    QList<int> m_leadingBlankLines;
};

// The line (1-based) on which byte offset lies.
int LineOfOffset(const QByteArray& bytes, qsizetype offset);

} // namespace Lint
