#include "report/number_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kora {
namespace {

constexpr int kFixedWidth = 15;

std::string Overflow() { return std::string(kFixedWidth, '*'); }

// 10^k for a non-negative k; exact up to 10^22.
double PowerOfTen(int k) { return std::pow(10.0, k); }

}  // namespace

std::string FormatInteger(int value) { return std::to_string(value); }

std::string FormatIntegerField(int value, int width) {
  std::string text = FormatInteger(value);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string FormatFixed(double value, int decimals) {
  if (!std::isfinite(value)) return Overflow();
  decimals = std::max(decimals, 0);
  // '#' keeps the decimal point when there are no decimals.
  const int length = std::snprintf(nullptr, 0, "%#.*f", decimals, value);
  if (length < 0 || length > kFixedWidth) return Overflow();
  char buffer[kFixedWidth + 1];
  std::snprintf(buffer, sizeof buffer, "%#.*f", decimals, value);
  std::string text(buffer);
  // A value that rounds to zero is written without a minus sign.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

std::string FormatSignificant(double value, int digits) {
  if (!std::isfinite(value)) return Overflow();
  // More digits than a double holds mean nothing; the bound keeps the powers of ten finite.
  const int s = std::clamp(digits, 1, 30);
  double rounded = 0;
  int decimals = s - 1;
  if (value != 0) {
    const double a = std::fabs(value);
    const double exponent = std::ceil(std::log10(a));
    if (exponent >= -10 - s) {
      const int e = static_cast<int>(exponent);
      // Dividing by an exact power of ten rounds correctly; multiplying by its
      // inexact reciprocal would not.
      const double t = std::round(s >= e ? a * PowerOfTen(s - e) : a / PowerOfTen(e - s));
      rounded = s >= e ? t / PowerOfTen(s - e) : t * PowerOfTen(e - s);
      decimals = s - 1 - static_cast<int>(std::floor(std::log10(a)));
      if (value < 0) rounded = -rounded;
    }
  }
  return FormatFixed(rounded, decimals <= 1 ? 0 : decimals);
}

}  // namespace kora
