#include "modules/StringOps.h"

#include <QStringList>

namespace StringOps {

namespace {

// Separators are one character nearly always, between pieces a few characters long: a plain
// loop beats the general search there.
qsizetype findSeparator(QStringView text, QStringView separator)
{
    if (separator.size() != 1)
        return text.indexOf(separator);
    const QChar c = separator.front();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == c)
            return i;
    }
    return -1;
}

} // namespace

QStringView TokenView(QStringView text, qint16 n, QStringView separator)
{
    for (int i = 1; i < n; ++i) {
        const qsizetype at = findSeparator(text, separator);
        if (at < 0)
            break; // past the last separator the last token repeats
        text = text.mid(at + separator.size());
    }
    const qsizetype at = findSeparator(text, separator);
    return at < 0 ? text : text.left(at);
}

QStringView SplitItemView(QStringView text, qint16 n, QStringView separator)
{
    if (text.isEmpty() || n < 1)
        return {};
    // An empty separator does not split at all.
    if (separator.isEmpty())
        return n == 1 ? text : QStringView();
    // The n-th piece of a split, found without making the others.
    for (int i = 1; i < n; ++i) {
        const qsizetype at = findSeparator(text, separator);
        if (at < 0)
            return {};
        text = text.mid(at + separator.size());
    }
    const qsizetype at = findSeparator(text, separator);
    return at < 0 ? text : text.left(at);
}

QString GetToken(const QString& text, qint16 n, const QString& separator)
{
    return TokenView(text, n, separator).toString();
}

QString GetSplitItem(const QString& text, qint16 n, const QString& separator)
{
    return SplitItemView(text, n, separator).toString();
}

QString TrimSpaces(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}

bool Contains(const QString& text, const QString& part)
{
    // An empty text contains nothing, not even the empty part.
    return !text.isEmpty() && text.contains(part, Qt::CaseSensitive);
}

} // namespace StringOps
