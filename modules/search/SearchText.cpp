#include "modules/search/SearchText.h"

#include "modules/TextCodec.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

qsizetype SearchTextCodec::FromUtf8(const char* bytes, qsizetype n, char16_t* out)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes);
    qsizetype i = 0, o = 0;
    while (i < n) {
#if defined(__SSE2__)
        if (i + 16 <= n) {
            // Sixteen bytes widened at once; what follows a non-ASCII byte is written again.
            const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            const __m128i zero = _mm_setzero_si128();
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + o), _mm_unpacklo_epi8(chunk, zero));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out + o + 8), _mm_unpackhi_epi8(chunk, zero));
            const unsigned high = unsigned(_mm_movemask_epi8(chunk));
            const int ascii = high ? std::countr_zero(high) : 16;
            i += ascii;
            o += ascii;
            if (!high)
                continue;
        }
#endif
        const uchar c = p[i];
        if (c < 0x80) {
            out[o++] = c;
            i += 1;
        } else if (c < 0xE0) {
            out[o++] = char16_t(((c & 0x1F) << 6) | (p[i + 1] & 0x3F));
            i += 2;
        } else if (c < 0xF0) {
            out[o++] = char16_t(((c & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F));
            i += 3;
        } else {
            const char32_t u = (char32_t(c & 0x07) << 18) | (char32_t(p[i + 1] & 0x3F) << 12) |
                               (char32_t(p[i + 2] & 0x3F) << 6) | char32_t(p[i + 3] & 0x3F);
            out[o++] = QChar::highSurrogate(u);
            out[o++] = QChar::lowSurrogate(u);
            i += 4;
        }
    }
    return o;
}

SearchText::SearchText(const QString& text)
{
    if (text.isEmpty())
        return;
    auto block = std::make_shared<const QByteArray>(text.toUtf8());
    m_length = quint32(block->size());
    m_block = std::move(block);
}

SearchText::SearchText(std::shared_ptr<const QByteArray> block, qsizetype from, qsizetype length,
                       Encoding encoding)
    : m_from(quint32(from)), m_length(quint32(length)), m_encoding(encoding)
{
    if (length > 0)
        m_block = std::move(block);
    else
        m_from = 0;
}

QByteArrayView SearchText::bytes() const
{
    return m_block ? QByteArrayView(*m_block).sliced(m_from, m_length) : QByteArrayView();
}

QString SearchText::toString() const
{
    const QByteArrayView b = bytes();
    return m_encoding == Encoding::Windows1252 ? TextCodec::FromWindows1252(b.data(), b.size())
                                               : QString::fromUtf8(b);
}

QStringView SearchText::read(QString& buffer) const
{
    const QByteArrayView b = bytes();
    if (m_encoding == Encoding::Windows1252) {
        buffer = TextCodec::FromWindows1252(b.data(), b.size());
        return buffer;
    }
    if (b.isEmpty())
        return QStringView();
    // Decoded, UTF-8 never takes more units than bytes.
    buffer.resize(b.size());
    const qsizetype units =
        SearchTextCodec::FromUtf8(b.data(), b.size(), reinterpret_cast<char16_t*>(buffer.data()));
    return QStringView(buffer).first(units);
}
