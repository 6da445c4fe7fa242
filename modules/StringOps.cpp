#include "modules/StringOps.h"

#include <QStringList>

namespace StringOps {

QString GetToken(const QString& text, qint16 n, const QString& separator)
{
    QStringView rest = text;
    for (int i = 1; i < n; ++i) {
        const qsizetype at = rest.indexOf(separator);
        if (at < 0)
            break; // past the last separator the last token repeats
        rest = rest.mid(at + separator.size());
    }
    const qsizetype at = rest.indexOf(separator);
    return (at < 0 ? rest : rest.left(at)).toString();
}

QString GetSplitItem(const QString& text, qint16 n, const QString& separator)
{
    if (text.isEmpty() || n < 1)
        return {};
    // An empty separator does not split at all.
    if (separator.isEmpty())
        return n == 1 ? text : QString();
    // The n-th piece of a split, found without making the others.
    QStringView rest = text;
    for (int i = 1; i < n; ++i) {
        const qsizetype at = rest.indexOf(separator);
        if (at < 0)
            return {};
        rest = rest.mid(at + separator.size());
    }
    const qsizetype at = rest.indexOf(separator);
    return (at < 0 ? rest : rest.left(at)).toString();
}

bool Contains(const QString& text, const QString& part)
{
    // An empty text contains nothing, not even the empty part.
    return !text.isEmpty() && text.contains(part, Qt::CaseSensitive);
}

} // namespace StringOps
