#pragma once
// Text as the result list compares it: lower case, accents dropped ("Schütze" -> "schutze"),
// "ß" -> "ss", kept as UTF-8 bytes so that a scan over many names is a plain byte search.
#include <QStringView>
#include <string>
#include <vector>

namespace FoldedText {

// Appends text folded to out.
void Append(std::string& out, QStringView text);
std::string Fold(QStringView text);

// The spellings a folded term may stand for: "ue", "ae" and "oe" are also the way to write
// an umlaut without it, so each of them may stand for "u", "a", "o" as well. The term itself
// comes first; at most a handful of spellings.
std::vector<std::string> Spellings(const std::string& foldedTerm);

// Characters (not bytes) of a folded text.
qsizetype Length(std::string_view folded);

// A letter or digit of a folded text: every byte of a character beyond ASCII counts as one.
inline bool IsWordByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c >= 0x80;
}

} // namespace FoldedText
