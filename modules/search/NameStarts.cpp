#include "modules/search/NameStarts.h"

#include "modules/search/SearchCache.h"
#include "modules/StringOps.h"

quint64 NameStarts::keyOf(const QString& name)
{
    // Letters beyond Latin-1 (and NUL, which marks the end) fold in other ways: such names
    // are always looked at.
    quint64 key = 0;
    const qsizetype n = std::min<qsizetype>(name.size(), kLetters);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = name[i].unicode();
        if (c == 0 || c >= 0x100)
            return kUnknown;
        key |= quint64(StringOps::LowerLatin1(c)) << (8 * i);
    }
    return key;
}

NameStarts::Probe NameStarts::probe(const QString& lowerTerm)
{
    Probe p;
    const qsizetype n = std::min<qsizetype>(lowerTerm.size(), kLetters);
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = lowerTerm[i].unicode();
        if (c == 0 || c >= 0x100)
            return Probe();  // mask 0: every record fits
        p.key |= quint64(c) << (8 * i);
        p.mask |= quint64(0xFF) << (8 * i);
    }
    return p;
}

void NameStarts::sync(const QList<SearchRecord>& records)
{
    const size_t known = m_keys.size();
    const bool same = m_records == records.constData() && known <= size_t(records.size()) &&
                      (known == 0 || (m_firstName == records.first().name.constData() &&
                                      m_lastName == records[qsizetype(known) - 1].name.constData()));
    if (!same)
        m_keys.clear();
    m_keys.reserve(size_t(records.size()));
    for (qsizetype i = qsizetype(m_keys.size()); i < records.size(); ++i)
        m_keys.push_back(keyOf(records[i].name));
    m_records = records.constData();
    m_firstName = records.isEmpty() ? nullptr : records.first().name.constData();
    m_lastName = records.isEmpty() ? nullptr : records.last().name.constData();
}
