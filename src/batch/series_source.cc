#include "batch/series_source.h"

#include <algorithm>
#include <filesystem>

#include "project/text_import.h"
#include "report/number_parse.h"

namespace kora {
namespace {

std::vector<std::string> SplitCsv(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t comma = line.find(',', start);
    std::string field = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const size_t first = field.find_first_not_of(" \t");
    const size_t last = field.find_last_not_of(" \t");
    fields.push_back(first == std::string::npos ? "" : field.substr(first, last - first + 1));
    if (comma == std::string::npos) return fields;
    start = comma + 1;
  }
}

void Flag(SeriesInput& series, const std::string& message) {
  if (series.error.empty()) series.error = message;
}

}  // namespace

LongCsvSource::LongCsvSource(const std::string& path) : in_(path, std::ios::binary) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec && size > 0) size_ = static_cast<double>(size);
}

double LongCsvSource::Fraction() {
  const auto position = in_.good() ? static_cast<double>(in_.tellg()) : size_;
  return std::clamp(position / size_, 0.0, 1.0);
}

bool LongCsvSource::ReadRow() {
  std::string line;
  while (std::getline(in_, line)) {
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (lineNumber_ == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    row_ = SplitCsv(line);
    if (lineNumber_ == 1 && row_.size() == 3 && !ParseFreeNumber(row_[2])) continue;  // a heading
    return true;
  }
  return false;
}

std::optional<SeriesInput> LongCsvSource::Next() {
  if (!pending_ && !ReadRow()) return std::nullopt;
  pending_ = false;
  SeriesInput series;
  series.id = row_[0];
  if (!seen_.insert(series.id).second)
    Flag(series, "rows of this series come again at line " + std::to_string(lineNumber_) +
                     " after other series; sort the file by series id");
  std::optional<double> lastTime;
  do {
    if (row_[0] != series.id) {
      pending_ = true;
      break;
    }
    const std::string where = " at line " + std::to_string(lineNumber_);
    if (row_.size() != 3) {
      Flag(series,
           "expected 3 fields (series id, time index, value), found " + std::to_string(row_.size()) + where);
      continue;
    }
    const std::optional<double> time = ParseFreeNumber(row_[1]);
    const std::optional<double> value = ParseFreeNumber(row_[2]);
    if (!time) Flag(series, "time index \"" + row_[1] + "\" is not a number" + where);
    if (!value) Flag(series, "value \"" + row_[2] + "\" is not a number" + where);
    if (!time || !value) continue;
    if (lastTime && *time == *lastTime) Flag(series, "duplicate time index " + row_[1] + where);
    if (lastTime && *time < *lastTime) Flag(series, "time index " + row_[1] + " goes back" + where);
    lastTime = time;
    series.values.push_back(*value);
  } while (ReadRow());
  if (!series.error.empty()) series.values.clear();
  return series;
}

FolderSource::FolderSource(const std::string& path) {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(path, ec))
    if (entry.is_regular_file()) files_.push_back(entry.path().string());
  std::sort(files_.begin(), files_.end());
}

double FolderSource::Fraction() {
  return files_.empty() ? 1.0 : static_cast<double>(next_) / static_cast<double>(files_.size());
}

std::optional<SeriesInput> FolderSource::Next() {
  if (next_ == files_.size()) return std::nullopt;
  const std::string& path = files_[next_++];
  SeriesInput series;
  series.id = std::filesystem::path(path).filename().string();
  RawDataResult data = ReadRawData(path);
  if (data.error)
    series.error = "cannot read a series from this file";
  else
    series.values = std::move(data.values);
  return series;
}

std::unique_ptr<SeriesSource> OpenSeriesSource(const std::string& path, std::string& error) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::make_unique<FolderSource>(path);
  auto csv = std::make_unique<LongCsvSource>(path);
  if (!csv->IsOpen()) {
    error = "cannot read input " + path;
    return nullptr;
  }
  return csv;
}

}  // namespace kora
