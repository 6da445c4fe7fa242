#pragma once
// Which entry of a list, first in list order, begins a text: the question the name
// translation asks for every shown name. One pass over the text with a running hash of its
// beginning, looked up at each length some entry has, instead of a scan over the list.
#include <QStringList>
#include <QStringView>
#include <unordered_map>
#include <vector>

class PrefixIndex
{
public:
    PrefixIndex() = default;
    explicit PrefixIndex(const QStringList& entries);

    // Smallest i with text.startsWith(entries[i]) (case-sensitive); -1 when there is none.
    qsizetype firstPrefixOf(QStringView text) const;

    // Whether the index was made from this very list (shared, not copied) and still fits it.
    bool isBuiltFrom(const QStringList& list) const
    {
        return m_built && m_entries.constData() == list.constData() && m_entries.size() == list.size();
    }

private:
    static quint64 step(quint64 hash, QChar c) { return hash * 0x100000001B3ull + c.unicode() + 1; }

    QStringList m_entries;  // shared with the list it was made from
    // Running hash of an entry -> the first index of each distinct entry with that hash.
    std::unordered_multimap<quint64, qsizetype> m_first;
    std::vector<bool> m_hasLength;  // m_hasLength[n]: some entry is n characters long
    bool m_built = false;
};
