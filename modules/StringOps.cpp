#include "modules/StringOps.h"

#include <QStringList>

namespace StringOps {

QString GetToken(const QString& text, qint16 n, const QString& separator)
{
    QString rest = text;
    for (int i = 1; i < n; ++i) {
        const qsizetype at = rest.indexOf(separator);
        if (at < 0)
            break; // past the last separator the last token repeats
        rest = rest.mid(at + separator.size());
    }
    const qsizetype at = rest.indexOf(separator);
    return at < 0 ? rest : rest.left(at);
}

QString GetSplitItem(const QString& text, qint16 n, const QString& separator)
{
    if (text.isEmpty() || n < 1)
        return {};
    // An empty separator does not split at all.
    const QStringList items = separator.isEmpty() ? QStringList{text} : text.split(separator);
    return n <= items.size() ? items.at(n - 1) : QString();
}

bool Contains(const QString& text, const QString& part)
{
    // An empty text contains nothing, not even the empty part.
    return !text.isEmpty() && text.contains(part, Qt::CaseSensitive);
}

} // namespace StringOps
