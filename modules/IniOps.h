#pragma once
// Profile (INI) files: the only way the program reads and writes its text data.
// Lookups follow the Windows profile-function rules; GetIniKeys is a stricter line scanner.
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class IniDocument;

namespace IniOps {

// Value of key in section, cut to 2047 characters; an empty or missing value gives defaultValue.
QString ReadIni(const QString& file, const QString& section, const QString& key,
                const QString& defaultValue);

// Creates file, section and key as needed; writes atomically; failures are silent to the
// user, the result says whether the file was written. A file found only under another case
// of its name (FileSystem::FindFile) is the one written.
bool WriteIni(const QString& file, const QString& section, const QString& key,
              const QString& value);
// Whether WriteIni may write file: its folder and the file, if there, are writable. Files
// and folders without any write permission count as read-only even for root.
bool CanWrite(const QString& file);

// Every header in file order (duplicates included), at most 65535 characters in all.
QStringList GetIniSections(const QString& file);

// Keys of the section whose header line is exactly "[" + section + "]".
QStringList GetIniKeys(const QString& file, const QString& section);

// One file looked at once for several lookups within a single operation: the same rules as
// the functions above, without checking the file on disk again for every call. A reader
// remembers where its last lookup ended, so it belongs to one thread at a time.
class Reader
{
public:
    explicit Reader(const QString& file);
    // A file already taken from IniCache (null reads as a missing file).
    explicit Reader(std::shared_ptr<const IniDocument> document) : m_document(std::move(document)) {}
    QString ReadIni(const QString& section, const QString& key, const QString& defaultValue) const;
    // What ReadIni finds, as a view into the text this reader holds (empty where ReadIni gives
    // the default), with the section looked up once for many keys: -1 stands for a missing one.
    qsizetype FindSection(QStringView section) const;
    QStringView Value(qsizetype section, QStringView key) const;
    QStringList GetIniSections() const;
    QStringList GetIniKeys(const QString& section) const;
    // Every key GetIniKeys lists, in its order, with the value Value(section, key) gives: one
    // walk over the section instead of a lookup per key.
    struct Entry
    {
        QString key;
        QStringView value;
    };
    std::vector<Entry> GetIniEntries(const QString& section) const;

private:
    std::shared_ptr<const IniDocument> m_document;
    mutable qsizetype m_near = -1; // where the last lookup ended: the next one looks there first
};

} // namespace IniOps
