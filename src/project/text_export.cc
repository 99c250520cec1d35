#include "project/text_export.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "project/atomic_file.h"
#include "report/number_format.h"

namespace kora {

namespace {

constexpr int kClipboardDigits = 5;

// Shortest round-trip text, in the free numeric form (digits, point, exponent
// "e" with a sign) that the text readers accept.
void AppendValue(std::string& out, double value) {
  if (std::isnan(value)) value = 0.0;
  if (std::isinf(value)) value = std::copysign(std::numeric_limits<double>::max(), value);
  char buffer[32];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, ec == std::errc() ? end : buffer);
}

size_t ObservationCount(const std::vector<std::vector<double>>& table) {
  if (table.empty()) return 0;
  size_t n = table.front().size();
  for (const auto& series : table) n = std::min(n, series.size());
  return n;
}

// Writes the lines made by line(i, text) for i = 0..count-1, each followed by a line break.
template <typename MakeLine>
std::optional<FileError> WriteLines(const std::string& path, const std::string& caption, size_t count,
                                    MakeLine line) {
  AtomicFile file(path);
  if (!file.IsOpen()) return FileError{caption, "Cannot open file"};
  std::string text;
  for (size_t i = 0; i < count; ++i) {
    text.clear();
    line(i, text);
    text += '\n';
    file.Write(text.data(), text.size());
  }
  if (file.Commit() != AtomicFile::Status::Written) return FileError{caption, "Cannot write to file"};
  return std::nullopt;
}

}  // namespace

std::optional<FileError> WriteRawData(const std::string& path, const std::vector<double>& values) {
  return WriteLines(path, "WriteRawData()", values.size(),
                    [&](size_t i, std::string& text) { AppendValue(text, values[i]); });
}

std::optional<FileError> WriteAsciiArray(const std::string& path,
                                         const std::vector<std::vector<double>>& table) {
  return WriteLines(path, "WriteAsciiArray()", ObservationCount(table), [&](size_t i, std::string& text) {
    for (size_t j = 0; j < table.size(); ++j) {
      if (j > 0) text += ' ';
      AppendValue(text, table[j][i]);
    }
  });
}

std::string ClipboardColumnText(const std::vector<double>& values) {
  std::string text;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += FormatSignificant(values[i], kClipboardDigits);
  }
  return text;
}

std::string ClipboardTableText(const std::vector<std::vector<double>>& table) {
  std::string text;
  size_t n = ObservationCount(table);
  for (size_t i = 0; i < n; ++i) {
    if (i > 0) text += "\r\n";
    for (size_t j = 0; j < table.size(); ++j) {
      if (j > 0) text += '\t';
      text += FormatSignificant(table[j][i], kClipboardDigits);
    }
  }
  return text;
}

}  // namespace kora
