#include "report/number_parse.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace kora {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::vector<std::string_view> SplitItems(std::string_view line) {
  std::vector<std::string_view> items;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsSeparator(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !IsSeparator(line[i])) ++i;
    if (i > start) items.push_back(line.substr(start, i - start));
  }
  return items;
}

bool HasItem(std::string_view line) {
  for (char c : line)
    if (!IsSeparator(c)) return true;
  return false;
}

std::optional<double> ParseFreeNumber(std::string_view item) {
  size_t i = 0;
  const size_t n = item.size();
  std::string text;
  text.reserve(n);
  if (i < n && (item[i] == '+' || item[i] == '-')) text += item[i++];
  size_t digits = 0;
  while (i < n && IsDigit(item[i])) text += item[i++], ++digits;
  if (i < n && item[i] == '.') {
    text += item[i++];
    while (i < n && IsDigit(item[i])) text += item[i++], ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (item[i] == 'e' || item[i] == 'E' || item[i] == 'd' || item[i] == 'D')) {
    text += 'e';
    ++i;
    if (i < n && (item[i] == '+' || item[i] == '-')) text += item[i++];
    size_t expDigits = 0;
    while (i < n && IsDigit(item[i])) text += item[i++], ++expDigits;
    if (expDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  errno = 0;
  double value = std::strtod(text.c_str(), nullptr);
  // A value beyond the range of a double is not a number we can hold.
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<double> ReadFirstNumber(std::string_view line) {
  auto items = SplitItems(line);
  if (items.empty()) return std::nullopt;
  return ParseFreeNumber(items.front());
}

std::optional<int> ReadFirstInteger(std::string_view line) {
  auto items = SplitItems(line);
  if (items.empty()) return std::nullopt;
  std::string_view item = items.front();
  size_t i = 0;
  if (!item.empty() && (item[0] == '+' || item[0] == '-')) i = 1;
  if (i == item.size()) return std::nullopt;
  long long value = 0;
  for (size_t k = i; k < item.size(); ++k) {
    if (!IsDigit(item[k])) return std::nullopt;
    value = value * 10 + (item[k] - '0');
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return static_cast<int>(item[0] == '-' ? -value : value);
}

double ParseNumber(std::string_view text) {
  if (auto v = ReadFirstNumber(text)) return *v;
  if (auto k = ReadFirstInteger(text)) return *k;
  return 0.0;
}

}  // namespace kora
