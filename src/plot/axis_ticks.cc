#include "plot/axis_ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "report/number_format.h"

namespace kora {
namespace {

// More ticks than this only arise from rounding on enormous offsets.
constexpr int kMaxTicks = 100;

bool Huge(double step) { return step > 9999 || step < 0.0001; }

std::string RightAlign(const std::string& text, int width) {
  if (static_cast<int>(text.size()) > width) return std::string(std::max(width, 0), '*');
  return std::string(width - text.size(), ' ') + text;
}

AxisTicks Ticks(double lo, double hi, bool startAtLow) {
  AxisTicks ticks;
  const double s = TickStep(lo, hi);
  if (s == 0) return ticks;
  ticks.step = s;
  // Ticks are integer multiples of the step, so that zero is exactly zero.
  double k = std::floor(lo / s) + 1;
  if (startAtLow && (k - 1) * s == lo) k -= 1;
  for (int i = 0; i < kMaxTicks; ++i) {
    const double value = (k + i) * s;
    if (!(value < hi)) break;
    ticks.values.push_back(value);
  }
  return ticks;
}

}  // namespace

double TickStep(double lo, double hi) {
  const double range = hi - lo;
  if (!std::isfinite(range) || range <= 0) return 0;
  double s = std::pow(10.0, std::floor(std::log10(range)));
  if (std::floor(range / s) < 5) s /= 2;
  if (std::floor(range / s) < 5) s *= 0.4;
  return std::isfinite(s) && s > 0 ? s : 0;
}

AxisTicks XAxisTicks(double lo, double hi) {
  AxisTicks ticks = Ticks(lo, hi, true);
  if (ticks.step > 0) {
    const double steps = std::floor((hi - lo) / ticks.step);
    ticks.thinned = (std::floor(std::log10(ticks.step)) + 1) * steps >= 20;
  }
  return ticks;
}

AxisTicks YAxisTicks(double lo, double hi, int panelHeight) {
  AxisTicks ticks = Ticks(lo, hi, false);
  if (ticks.step > 0) ticks.thinned = 7 * std::floor((hi - lo) / ticks.step) >= panelHeight / 2;
  return ticks;
}

std::string FixedField(double value, int width, int decimals) {
  const std::string text = FormatFixed(value, decimals);
  if (!text.empty() && text[0] == '*') return std::string(std::max(width, 0), '*');
  return RightAlign(text, width);
}

std::string YTickLabel(double value, double step) {
  if (Huge(step)) {
    char text[32];
    std::snprintf(text, sizeof text, "%9.1E", value);
    return text;
  }
  const int f = static_cast<int>(std::floor(std::fabs(std::log10(step))));
  if (step >= 1) {
    // Whole numbers without the point of the fixed notation, in the same columns.
    std::string text = FixedField(value, f + 4, 0);
    if (!text.empty() && text.back() == '.') text = ' ' + text.substr(0, text.size() - 1);
    return text;
  }
  return FixedField(value, f + 6, f + 2);
}

std::string XTickLabel(double value, double step) {
  if (Huge(step)) {
    // Mantissa below 1: d x 10^e is written 0.d E(e+1).
    char text[32];
    std::snprintf(text, sizeof text, "%.0E", std::fabs(value));
    const int exponent = value == 0 ? 0 : std::atoi(text + 2) + 1;
    const char digit = value == 0 ? '0' : text[0];
    char label[32];
    std::snprintf(label, sizeof label, "%s0.%cE%c%02d", value < 0 ? "-" : "", digit, exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return RightAlign(label, 12);
  }
  if (step >= 1) {
    const double rounded = std::round(value);  // halves away from zero
    if (rounded == 0) return "0";
    char text[400];
    std::snprintf(text, sizeof text, "%.0f", rounded);
    const int width =
        static_cast<int>(std::floor(std::log10(std::fabs(rounded)))) + 1 + (rounded < 0 ? 2 : 0);
    return RightAlign(text, width);
  }
  const int f = static_cast<int>(std::floor(std::fabs(std::log10(step))));
  return FixedField(value, f + 5, f + 1);
}

}  // namespace kora
