#pragma once
// The "Info" section of a description file as the first search needs it: the file's bytes
// read once and kept; the search records point into them, and a value is decoded only when
// it is read. Lookups follow the profile rules of IniOps::Reader (first section of the name, first
// key, letter case and blanks around names ignored, values trimmed, unquoted and cut to 2047
// characters).
#include "modules/FoldedIndex.h"
#include "modules/TextCodec.h"
#include "modules/search/SearchText.h"

#include <QString>
#include <vector>

class DescriptionTable
{
public:
    // An unreadable or missing file gives a table without entries.
    explicit DescriptionTable(const QString& path);
    DescriptionTable(const DescriptionTable&) = delete;
    DescriptionTable& operator=(const DescriptionTable&) = delete;

    // The description of key as the search takes it: a value that refers to another entry
    // with "#" gives that entry's (one level only). Empty when there is none. The text shares
    // the file's bytes.
    QString find(QStringView key) const { return text(entryOf(key)).toString(); }

    // The same in two steps: the entry whose text is the description, -1 for none; its text.
    qsizetype entryOf(QStringView key) const;
    SearchText text(qsizetype entry) const;

private:
    // Twenty bytes an entry: a description file is far below 4 GB.
    struct Entry
    {
        quint32 valueStart = 0;  // bytes in m_bytes, cut to what a read hands over
        quint32 valueLength = 0;
        quint32 keyStart = 0;    // in m_keys
        quint32 keyLength = 0;
        bool first = false;      // the entry a lookup of its key finds
        bool reference = false;  // the value begins with "#"
    };
    // Takes every line of the bytes as encoding.
    void read(const QByteArray& bytes, qsizetype from, TextCodec::Encoding encoding);
    // Takes one line of the file (without its line break).
    void takeLine(const char* p, qsizetype start, qsizetype end, TextCodec::Encoding encoding);
    void buildIndex();
    std::optional<qsizetype> lookup(QStringView key) const;
    QStringView keyOf(const Entry& e) const { return QStringView(m_keys).mid(e.keyStart, e.keyLength); }
    SearchText valueOf(const Entry& e) const;

    std::shared_ptr<const QByteArray> m_bytes;  // the whole file
    SearchText::Encoding m_encoding = SearchText::Encoding::Utf8;
    QString m_keys;  // every key of the section, decoded, one after the other
    qsizetype m_keysUsed = 0;  // while reading
    std::vector<Entry> m_entries;
    FoldedIndex m_index;  // key -> entry
    enum class Place { Before, Inside, After } m_place = Place::Before;
    // The entry after the last one found: lookups in file order need no hashing.
    mutable qsizetype m_near = 0;
};
