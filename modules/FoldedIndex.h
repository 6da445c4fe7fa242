#pragma once
// Names matched the way the Windows profile functions match them: blanks and tabs around a name
// do not count, letter case does not count. The index keeps views into a text that outlives it
// and compares them folded on the fly, so that building it and looking names up allocates
// nothing for the Latin-1 names profile files are made of.
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

class FoldedIndex
{
public:
    // The name without the blanks around it, case-folded.
    static QString fold(QStringView name);
    // Trims blanks and tabs, the only characters the profile rules ignore around names.
    static QStringView trimBlanks(QStringView text)
    {
        qsizetype begin = 0, end = text.size();
        while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
            ++begin;
        while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
            --end;
        return text.sliced(begin, end - begin);
    }
    // fold(a) == fold(b).
    static bool sameName(QStringView a, QStringView b);

    void reserve(qsizetype count);
    // Adds name under group (a section, say) unless the group already holds an equal name:
    // the first occurrence counts; true when it was added. name must stay valid as long as the
    // index.
    bool insertFirst(quint32 group, QStringView name, qsizetype value);
    // Hash of a trimmed name that all names folding alike share.
    static quint64 nameHash(QStringView trimmedName);

    // insertFirst for every item in order; added[i] tells whether item i was added. Large
    // batches go much faster than single calls: the table is read ahead of the insertions.
    struct Item
    {
        quint32 group;
        QStringView name;   // trimmed
        qsizetype value;
        quint64 nameHash;   // nameHash(name)
    };
    std::vector<char> insertAllFirst(const std::vector<Item>& items);
    std::optional<qsizetype> find(quint32 group, QStringView name) const;
    qsizetype size() const { return qsizetype(m_entries.size()); }

private:
    struct Entry
    {
        QStringView name; // trimmed
        qsizetype value;
        quint32 group;
        quint32 hash;
    };
    struct Slot
    {
        quint32 hash = 0;
        quint32 entry = 0; // index + 1; 0 marks an empty slot
    };

    static bool sameTrimmed(QStringView a, QStringView b);
    static bool latin1Only(QStringView text);
    static quint32 hashOf(quint32 group, QStringView trimmedName);
    void grow(size_t slotCount);
    qsizetype lookup(quint32 group, QStringView trimmedName, quint32 hash) const;
    bool insertHashed(quint32 group, QStringView trimmedName, qsizetype value, quint32 hash);

    std::vector<Entry> m_entries;
    std::vector<Slot> m_slots; // a power of two, at most half full
};
