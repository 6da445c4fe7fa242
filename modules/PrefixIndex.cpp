#include "modules/PrefixIndex.h"

#include <QHash>

PrefixIndex::PrefixIndex(const QStringList& entries) : m_entries(entries), m_built(true)
{
    QHash<QStringView, qsizetype> seen;
    seen.reserve(m_entries.size());
    m_first.reserve(size_t(m_entries.size()));
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const QStringView entry(m_entries.at(i));
        if (seen.contains(entry))
            continue;  // a later duplicate can never be the first
        seen.insert(entry, i);
        quint64 hash = 0;
        for (const QChar c : entry)
            hash = step(hash, c);
        m_first.emplace(hash, i);
        if (size_t(entry.size()) >= m_hasLength.size())
            m_hasLength.resize(size_t(entry.size()) + 1, false);
        m_hasLength[size_t(entry.size())] = true;
    }
}

qsizetype PrefixIndex::firstPrefixOf(QStringView text) const
{
    qsizetype best = -1;
    const auto tryLength = [&](qsizetype length, quint64 hash) {
        const auto [from, to] = m_first.equal_range(hash);
        for (auto it = from; it != to; ++it) {
            const qsizetype i = it->second;
            if ((best < 0 || i < best) && m_entries.at(i).size() == length &&
                text.left(length) == m_entries.at(i))
                best = i;
        }
    };
    const qsizetype longest = std::min<qsizetype>(text.size(), qsizetype(m_hasLength.size()) - 1);
    quint64 hash = 0;
    for (qsizetype length = 0; length <= longest; ++length) {
        if (length > 0)
            hash = step(hash, text[length - 1]);
        if (m_hasLength[size_t(length)])
            tryLength(length, hash);
    }
    return best;
}
