#include "modules/search/FoldedText.h"

#include <QString>
#include <array>

namespace {

// The folding of every character below U+0250, worked out once: Latin-1 and the Latin
// extensions are what names and descriptions are written in.
constexpr char16_t kTableEnd = 0x250;

std::string foldSlow(char32_t c)
{
    if (c == 0xDF || c == 0x1E9E)
        return "ss";
    QString s = QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
    QString kept;
    for (const QChar ch : std::as_const(s)) {
        const auto cat = ch.category();
        if (cat != QChar::Mark_NonSpacing && cat != QChar::Mark_SpacingCombining &&
            cat != QChar::Mark_Enclosing)
            kept.append(ch);
    }
    if (kept.isEmpty())
        kept = QString::fromUcs4(&c, 1);
    kept = kept.toCaseFolded();
    // Ligatures and letters without a decomposition that players write with two letters.
    kept.replace(QChar(0xE6), QLatin1String("ae")).replace(QChar(0x153), QLatin1String("oe"));
    kept.replace(QChar(0xF8), QLatin1Char('o')).replace(QChar(0x131), QLatin1Char('i'));
    kept.replace(QChar(0xDF), QLatin1String("ss"));
    const QByteArray utf8 = kept.toUtf8();
    return std::string(utf8.constData(), size_t(utf8.size()));
}

const std::array<std::string, kTableEnd>& table()
{
    static const std::array<std::string, kTableEnd> t = [] {
        std::array<std::string, kTableEnd> a;
        for (char32_t c = 0; c < kTableEnd; ++c)
            a[c] = foldSlow(c);
        return a;
    }();
    return t;
}

} // namespace

void FoldedText::Append(std::string& out, QStringView text)
{
    const auto& t = table();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out.push_back(char(c >= 'A' && c <= 'Z' ? c + 0x20 : c));
        } else if (c < kTableEnd) {
            out += t[c];
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += foldSlow(QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            ++i;
        } else {
            out += foldSlow(c);
        }
    }
}

std::string FoldedText::Fold(QStringView text)
{
    std::string out;
    out.reserve(size_t(text.size()));
    Append(out, text);
    return out;
}

std::vector<std::string> FoldedText::Spellings(const std::string& term)
{
    // Where "ae", "oe" or "ue" stand; only the first few are varied one by one, the rest
    // all at once, so that a long term stays a few scans.
    std::vector<size_t> at;
    for (size_t i = 0; i + 1 < term.size(); ++i) {
        if (term[i + 1] == 'e' && (term[i] == 'a' || term[i] == 'o' || term[i] == 'u')) {
            at.push_back(i);
            ++i;
        }
    }
    std::vector<std::string> spellings{term};
    if (at.empty())
        return spellings;
    const auto spelled = [&](unsigned dropped) {
        std::string s;
        s.reserve(term.size());
        size_t next = 0;
        for (size_t k = 0; k < at.size(); ++k) {
            const bool drop = k < 3 ? (dropped >> k) & 1u : dropped == (1u << std::min<size_t>(at.size(), 3)) - 1;
            s.append(term, next, at[k] + 1 - next);
            next = at[k] + (drop ? 2 : 1);
        }
        s.append(term, next, std::string::npos);
        return s;
    };
    const unsigned combinations = 1u << std::min<size_t>(at.size(), 3);
    for (unsigned dropped = 1; dropped < combinations; ++dropped)
        spellings.push_back(spelled(dropped));
    return spellings;
}

qsizetype FoldedText::Length(std::string_view folded)
{
    qsizetype n = 0;
    for (const char c : folded)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}
