// Number-to-text rules shared by every report, the clipboard export and the
// plot axes.
#pragma once

#include <string>

namespace kora {

// Decimal text of an integer, sign if negative, no blanks.
std::string FormatInteger(int value);
// The integer right-aligned in a field of the given width.
std::string FormatIntegerField(int value, int width);
// Fixed notation with d decimals, rounded to nearest, right-aligned in 15
// characters and then stripped of leading blanks; 15 asterisks when the text
// does not fit. d = 0 keeps the decimal point.
std::string FormatFixed(double value, int decimals);
// Fixed notation with s significant digits (see the implementation for the
// rule); values of magnitude 10^(s-2) and above have no decimals and end with
// the decimal point.
std::string FormatSignificant(double value, int digits);

}  // namespace kora
