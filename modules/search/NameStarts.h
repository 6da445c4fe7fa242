#pragma once
// The first letters of every cached name, lower-cased, eight bytes a name in one array: a name
// search reads these instead of the records, and looks at a record only where its beginning
// fits the term. Find again over a hundred thousand names then costs next to nothing.
#include <QList>
#include <QString>
#include <vector>

struct SearchRecord;

class NameStarts
{
public:
    // A term prepared for the test below; unusable terms make every record a candidate.
    struct Probe
    {
        quint64 key = 0;
        quint64 mask = 0;
    };
    static Probe probe(const QString& lowerTerm);

    // Brings the index up to date with records: names appended since are added, a list that
    // was replaced is indexed anew.
    void sync(const QList<SearchRecord>& records);

    // False only when the name of record i certainly does not begin with the term.
    bool mayBegin(qsizetype i, const Probe& probe) const
    {
        const quint64 key = m_keys[size_t(i)];
        return (key & kUnknown) || (key & probe.mask) == probe.key;
    }

private:
    static constexpr int kLetters = 7;  // one byte each; the eighth byte holds the flag
    static constexpr quint64 kUnknown = quint64(1) << 63;
    static quint64 keyOf(const QString& name);

    std::vector<quint64> m_keys;
    // What the indexed list looked like, to notice that it was replaced.
    const SearchRecord* m_records = nullptr;
    const QChar* m_firstName = nullptr;
    const QChar* m_lastName = nullptr;
};
