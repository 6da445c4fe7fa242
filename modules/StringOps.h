#pragma once
// Taking separated texts apart; the map records rely on the exact behaviour at missing tokens.
#include <QString>

namespace StringOps {

// Lower case of a Latin-1 character (below U+0100), one character to one as QString::toLower
// gives it there: A-Z and the capitals from U+00C0 to U+00DE but the multiplication sign.
// Scans over many names use it to compare without lower-cased copies.
constexpr char16_t LowerLatin1(char16_t c)
{
    const bool upper = (c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    return upper ? char16_t(c + 0x20) : c;
}

// Token n (1-based); past the last separator the last token repeats, no separator gives the text.
QString GetToken(const QString& text, qint16 n, const QString& separator);
// Item n (1-based) of the split text; a missing item is empty.
QString GetSplitItem(const QString& text, qint16 n, const QString& separator);
// The same two as views into text, for readers of many records that keep no copies.
QStringView TokenView(QStringView text, qint16 n, QStringView separator);
QStringView SplitItemView(QStringView text, qint16 n, QStringView separator);
// Blanks removed at both ends; tabs and other white space stay, as the profile texts keep them.
QString TrimSpaces(const QString& text);
// Exact, case-sensitive substring test.
bool Contains(const QString& text, const QString& part);

} // namespace StringOps
