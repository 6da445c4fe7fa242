#include "modules/Numeric.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Numeric {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Reads sign, digits, decimal point and exponent from position i on; skipBlanks lets blanks
// stand between the characters, as VB's Val allows. Returns the number of characters used.
qsizetype scanNumber(const QString& text, qsizetype i, bool skipBlanks, double& value)
{
    QString number;
    const auto at = [&](qsizetype k) { return k < text.size() ? text[k] : QChar(); };
    const auto skip = [&] {
        while (skipBlanks && i < text.size() && isBlank(text[i]))
            ++i;
    };
    const qsizetype begin = i;
    skip();
    if (at(i) == u'+' || at(i) == u'-') {
        number += at(i++);
        skip();
    }
    bool digits = false;
    // Whole numbers of up to 15 digits are exact in a double: no need to parse them again.
    qint64 whole = 0;
    int wholeDigits = 0;
    while (at(i).isDigit() && at(i).unicode() < 128) {
        // Past 15 digits the text is parsed again below; accumulating on would overflow.
        if (wholeDigits < 15)
            whole = whole * 10 + (at(i).unicode() - u'0');
        ++wholeDigits;
        number += at(i++);
        digits = true;
        skip();
    }
    const bool plainWhole = wholeDigits > 0 && wholeDigits <= 15 && at(i) != u'.';
    if (at(i) == u'.') {
        number += at(i++);
        skip();
        while (at(i).isDigit() && at(i).unicode() < 128) {
            number += at(i++);
            digits = true;
            skip();
        }
    }
    if (!digits) {
        value = 0;
        return 0;
    }
    const QChar e = at(i).toUpper();
    if (e == u'E' || e == u'D') {
        qsizetype k = i + 1;
        QString exponent = QStringLiteral("e");
        if (at(k) == u'+' || at(k) == u'-')
            exponent += at(k++);
        bool expDigits = false;
        while (at(k).isDigit() && at(k).unicode() < 128) {
            exponent += at(k++);
            expDigits = true;
        }
        if (expDigits) {
            number += exponent;
            i = k;
        }
    }
    if (plainWhole && !number.contains(u'e')) {
        value = number.startsWith(u'-') ? -double(whole) : double(whole);
        return i - begin;
    }
    bool ok = false;
    value = number.toDouble(&ok);
    if (!ok) // out of double's range
        value = number.startsWith(u'-') ? -HUGE_VAL : HUGE_VAL;
    return i - begin;
}

} // namespace

qint64 RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    // nearbyint rounds to even under the default rounding mode.
    const double r = std::nearbyint(value);
    if (r >= 9.2233720368547758e18)
        return std::numeric_limits<qint64>::max();
    if (r <= -9.2233720368547758e18)
        return std::numeric_limits<qint64>::min();
    return qint64(r);
}

qint16 ToInt16(double value)
{
    const qint64 r = RoundHalfEven(value);
    return qint16(std::clamp<qint64>(r, -32768, 32767));
}

double LeadingNumber(const QString& text)
{
    double value = 0;
    scanNumber(text, 0, true, value);
    return value;
}

std::optional<double> WholeNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    double value = 0;
    const qsizetype used = scanNumber(text, i, false, value);
    if (used == 0)
        return std::nullopt;
    i += used;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    if (i != text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace Numeric
