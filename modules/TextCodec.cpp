#include "modules/TextCodec.h"

#include <bit>
#include <cstring>
#include <optional>

#include <QHash>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace TextCodec {

namespace {

// 0x80..0x9F of Windows-1252. The five bytes the code page leaves undefined map to the C1
// control of the same value, as Windows itself does, so that every byte survives a round trip.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

const QHash<char16_t, char>& reverseHighControls()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 32; ++i)
            t.insert(kHighControls[i], char(0x80 + i));
        return t;
    }();
    return table;
}

// Length of the well-formed sequence that starts with the non-ASCII byte at p[0] (no overlong
// forms, no surrogates, nothing past U+10FFFF), or 0 when it is not one.
int sequenceLength(const uchar* p, qsizetype available)
{
    const uchar c = p[0];
    int extra = 0;
    uchar low = 0x80, high = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
        extra = 2;
        if (c == 0xE0)
            low = 0xA0; // overlong
        else if (c == 0xED)
            high = 0x9F; // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        extra = 3;
        if (c == 0xF0)
            low = 0x90; // overlong
        else if (c == 0xF4)
            high = 0x8F; // past U+10FFFF
    } else {
        return 0;
    }
    if (available <= extra)
        return 0;
    if (p[1] < low || p[1] > high)
        return 0;
    for (int k = 2; k <= extra; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return 0;
    }
    return extra + 1;
}

// Writes the UTF-16 units of a well-formed sequence of length bytes; returns how many.
int writeSequence(const uchar* p, int length, char16_t* out)
{
    if (length == 2) {
        out[0] = char16_t(((p[0] & 0x1F) << 6) | (p[1] & 0x3F));
        return 1;
    }
    if (length == 3) {
        out[0] = char16_t(((p[0] & 0x0F) << 12) | ((p[1] & 0x3F) << 6) | (p[2] & 0x3F));
        return 1;
    }
    const char32_t u = (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) |
                       (char32_t(p[2] & 0x3F) << 6) | char32_t(p[3] & 0x3F);
    out[0] = QChar::highSurrogate(u);
    out[1] = QChar::lowSurrogate(u);
    return 2;
}

// Checks and converts in one pass: the files are large and mostly ASCII, so runs of ASCII go
// sixteen bytes at a time. Every byte is converted, a BOM inside the text included. Nothing
// when the bytes are not well-formed UTF-8.
std::optional<QString> fromUtf8(const char* data, qsizetype size)
{
    const auto* p = reinterpret_cast<const uchar*>(data);
    // UTF-8 never takes fewer bytes than UTF-16 units, so the whole run fits in size units.
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype i = 0, o = 0;
    while (i < size) {
#if defined(__SSE2__)
        if (i + 16 <= size) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            const __m128i zero = _mm_setzero_si128();
            // Widened in full even when only a part is ASCII: o <= i, so the stores stay
            // inside the text, and what lies past the ASCII run is written again below.
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + o), _mm_unpacklo_epi8(bytes, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + o + 8),
                             _mm_unpackhi_epi8(bytes, zero));
            const unsigned high = unsigned(_mm_movemask_epi8(bytes));
            if (high == 0) {
                i += 16;
                o += 16;
                continue;
            }
            const int ascii = std::countr_zero(high);
            i += ascii;
            o += ascii;
        }
#endif
        if (p[i] < 0x80) {
            out[o++] = p[i++];
            continue;
        }
        // Umlauts and the like, the usual case, without the general checks.
        if (p[i] >= 0xC2 && p[i] <= 0xDF && i + 1 < size && (p[i + 1] & 0xC0) == 0x80) {
            out[o++] = char16_t(((p[i] & 0x1F) << 6) | (p[i + 1] & 0x3F));
            i += 2;
            continue;
        }
        const int length = sequenceLength(p + i, size - i);
        if (length == 0)
            return std::nullopt;
        o += writeSequence(p + i, length, out + o);
        i += length;
    }
    text.truncate(o);
    return text;
}

bool startsWithBom(const QByteArray& bytes)
{
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xEF && uchar(bytes[1]) == 0xBB &&
           uchar(bytes[2]) == 0xBF;
}

} // namespace

bool IsValidUtf8(const char* data, qsizetype size)
{
    const auto* p = reinterpret_cast<const uchar*>(data);
    qsizetype i = 0;
    while (i < size) {
        // Profile files are mostly ASCII: sixteen such bytes at a time, and straight to the
        // first byte that is not.
#if defined(__SSE2__)
        if (i + 16 <= size) {
            const unsigned high = unsigned(
                _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i))));
            if (high == 0) {
                i += 16;
                continue;
            }
            i += std::countr_zero(high);
        }
#endif
        if (i + 8 <= size) {
            quint64 word;
            std::memcpy(&word, p + i, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 8;
                continue;
            }
        }
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        const int length = sequenceLength(p + i, size - i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

QString FromWindows1252(const char* data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const uchar c = uchar(data[i]);
        out[i] = (c >= 0x80 && c <= 0x9F) ? QChar(kHighControls[c - 0x80]) : QChar(c);
    }
    return text;
}

QByteArray ToWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    const auto& reverse = reverseHighControls();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes[n++] = char(u);
        } else if (auto it = reverse.constFind(u); it != reverse.constEnd()) {
            bytes[n++] = it.value();
        } else {
            // One '?' per character, not per UTF-16 unit.
            if (QChar::isHighSurrogate(u) && i + 1 < text.size() &&
                QChar::isLowSurrogate(text[i + 1].unicode()))
                ++i;
            bytes[n++] = '?';
        }
    }
    bytes.truncate(n);
    return bytes;
}

Decoded Decode(const QByteArray& bytes)
{
    Decoded result;
    std::optional<QString> utf8;
    if (startsWithBom(bytes) && (utf8 = fromUtf8(bytes.constData() + 3, bytes.size() - 3))) {
        result.text = std::move(*utf8);
        result.encoding = Encoding::Utf8WithBom;
    } else if ((utf8 = fromUtf8(bytes.constData(), bytes.size()))) {
        result.text = std::move(*utf8);
        result.encoding = Encoding::Utf8;
    } else {
        result.text = FromWindows1252(bytes.constData(), bytes.size());
        result.encoding = Encoding::Windows1252;
    }
    return result;
}

QByteArray Encode(const QString& text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8WithBom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Windows1252:
        return ToWindows1252(text);
    case Encoding::Utf8:
        break;
    }
    return text.toUtf8();
}

} // namespace TextCodec
