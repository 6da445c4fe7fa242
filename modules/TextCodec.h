#pragma once
// Profile files come from Windows editors as Windows-1252 or from newer tools as UTF-8.
// Decoding remembers which one it was so that a write can keep every untouched byte.
#include <QByteArray>
#include <QString>

namespace TextCodec {

enum class Encoding {
    Utf8,        // valid UTF-8 without byte order mark (pure ASCII included)
    Utf8WithBom, // valid UTF-8 after the bytes EF BB BF
    Windows1252, // anything that is not valid UTF-8
};

struct Decoded
{
    QString text;
    Encoding encoding = Encoding::Utf8;
};

// True when bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool IsValidUtf8(const char* data, qsizetype size);

// UTF-8 when valid (a leading BOM is dropped from the text), otherwise Windows-1252.
Decoded Decode(const QByteArray& bytes);

// Encode(Decode(b).text, Decode(b).encoding) == b for every b. Characters that
// Windows-1252 cannot hold are written as '?'.
QByteArray Encode(const QString& text, Encoding encoding);

QString FromWindows1252(const char* data, qsizetype size);
QByteArray ToWindows1252(const QString& text);

} // namespace TextCodec
