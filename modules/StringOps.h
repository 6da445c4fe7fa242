#pragma once
// Taking separated texts apart; the map records rely on the exact behaviour at missing tokens.
#include <QString>

namespace StringOps {

// Token n (1-based); past the last separator the last token repeats, no separator gives the text.
QString GetToken(const QString& text, qint16 n, const QString& separator);
// Item n (1-based) of the split text; a missing item is empty.
QString GetSplitItem(const QString& text, qint16 n, const QString& separator);
// The same two as views into text, for readers of many records that keep no copies.
QStringView TokenView(QStringView text, qint16 n, QStringView separator);
QStringView SplitItemView(QStringView text, qint16 n, QStringView separator);
// Exact, case-sensitive substring test.
bool Contains(const QString& text, const QString& part);

} // namespace StringOps
