#pragma once
// Number conversions with the rules the data formats rely on: rounding halves to even,
// 16-bit signed positions, leading-number parsing.
#include <QString>
#include <optional>

namespace Numeric {

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
qint64 RoundHalfEven(double value);
// Rounded half to even and clamped into the 16-bit signed range (never overflows).
qint16 ToInt16(double value);
// The leading number of a text: blanks skipped, "12abc" -> 12, "abc" or "" -> 0.
double LeadingNumber(const QString& text);
// The whole text as a number (blanks around allowed); nullopt when it is not one.
std::optional<double> WholeNumber(const QString& text);

} // namespace Numeric
