#include "report/report.h"

#include <algorithm>

#include "report/number_format.h"

namespace kora {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kNumberField = 14;

}  // namespace

void Report::AppendLine(std::string_view line) {
  if (line.empty()) {
    Clear();
    return;
  }
  text_.append(line);
  text_.append(kLineBreak);
}

void Report::AppendHeader(std::string_view title, int bannerLength) {
  const std::string banner(std::max(bannerLength, 0), '=');
  Clear();
  AppendLine(banner);
  AppendLine(title);
  AppendLine(banner);
}

void Report::AppendNumberRows(const std::vector<double>& values, int count, int perLine, int decimals) {
  count = std::clamp(count, 0, static_cast<int>(values.size()));
  perLine = std::max(perLine, 1);
  for (int i = 0; i < count; ++i) {
    const std::string number = FormatFixed(values[i], decimals);
    // A text wider than the field (15 asterisks) is written as it is.
    if (static_cast<int>(number.size()) < kNumberField) text_.append(kNumberField - number.size(), ' ');
    text_.append(number);
    if ((i + 1) % perLine == 0) text_.append(kLineBreak);
  }
  text_.append(kLineBreak);
}

}  // namespace kora
