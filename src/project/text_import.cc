#include "project/text_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

#include "report/number_parse.h"

namespace kora {

namespace {

constexpr size_t kClipboardLineLength = 255;  // the text buffer hands out lines of this length

bool IsSeparator(int c) { return c == ' ' || c == '\t' || c == ',' || c == '\r'; }

bool CanBeInNumber(int c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E' || c == 'd' ||
         c == 'D';
}

// The items of a text file, line by line, read in blocks: a line of any
// length (or a file without line breaks) costs no more memory than the item
// being looked at, and an item holding a character that no number has stops
// being stored at once.
class ItemStream {
 public:
  enum class Token { Item, EndOfLine, EndOfFile };

  explicit ItemStream(std::FILE* file) : file_(file), buffer_(1 << 16) {}

  // The next item of the current line (value: its number, if it is one), or
  // the end of the line (its line break consumed), or the end of the file.
  Token Next(std::optional<double>& value) {
    int c;
    while ((c = Peek()) != kEnd && IsSeparator(c)) ++pos_;
    if (c == kEnd) return Token::EndOfFile;
    if (c == '\n') {
      ++pos_;
      return Token::EndOfLine;
    }
    item_.clear();
    bool plausible = true;
    while ((c = Peek()) != kEnd && c != '\n' && !IsSeparator(c)) {
      if (plausible && CanBeInNumber(c))
        item_ += static_cast<char>(c);
      else
        plausible = false;
      ++pos_;
    }
    value = plausible ? ParseFreeNumber(item_) : std::nullopt;
    return Token::Item;
  }

  // Passes over the rest of the current line and its line break.
  void SkipLine() {
    while (Peek() != kEnd) {
      const char* start = buffer_.data() + pos_;
      const void* found = std::memchr(start, '\n', end_ - pos_);
      if (found != nullptr) {
        pos_ += static_cast<const char*>(found) - start + 1;
        return;
      }
      pos_ = end_;
    }
  }

  bool Failed() const { return failed_; }

 private:
  static constexpr int kEnd = -1;

  int Peek() {
    if (pos_ == end_) {
      pos_ = 0;
      end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
      if (end_ == 0) {
        if (std::ferror(file_)) failed_ = true;
        return kEnd;
      }
    }
    return static_cast<unsigned char>(buffer_[pos_]);
  }

  std::FILE* file_;
  std::vector<char> buffer_;
  size_t pos_ = 0, end_ = 0;
  bool failed_ = false;
  std::string item_;
};

FileError CannotOpen() { return {"ReadRawData()", "Cannot open file"}; }
FileError CannotRead() { return {"ReadRawData()", "Cannot read file"}; }
FileError OutOfMemory() { return {"ERROR", "Memory allocation error."}; }

// Calls read(items) on the opened file and turns failures into messages.
template <typename Read>
std::optional<FileError> ReadTextFile(const std::string& path, Read read) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return CannotOpen();
  ItemStream items(file);
  std::optional<FileError> error;
  try {
    read(items);
    if (items.Failed()) error = CannotRead();
  } catch (const std::bad_alloc&) {
    error = OutOfMemory();
  }
  std::fclose(file);
  return error;
}

// The lines of clipboard text that are followed by a line break, each cut to
// the length the text buffer hands out.
std::vector<std::string_view> ClipboardLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t nl = text.find('\n'); nl != std::string_view::npos; nl = text.find('\n', start)) {
    std::string_view line = text.substr(start, nl - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line.substr(0, kClipboardLineLength));
    start = nl + 1;
  }
  return lines;
}

}  // namespace

// The values are collected in one pass; a second pass over the file would
// find the same lines and numbers.
RawDataResult ReadRawData(const std::string& path) {
  RawDataResult result;
  result.error = ReadTextFile(path, [&](ItemStream& items) {
    std::optional<double> value;
    for (;;) {
      ItemStream::Token token = items.Next(value);
      if (token == ItemStream::Token::EndOfFile) break;
      if (token == ItemStream::Token::EndOfLine) continue;  // a line holding nothing
      if (!value) break;
      result.values.push_back(*value);
      items.SkipLine();
    }
  });
  if (result.error) result.values = {};
  return result;
}

std::optional<std::vector<std::vector<double>>> ReadMultivariateText(const std::string& path, int columns,
                                                                     FileError* error) {
  if (columns < 1) return std::nullopt;
  std::vector<std::vector<double>> table;
  std::optional<FileError> failure = ReadTextFile(path, [&](ItemStream& items) {
    std::vector<double> observation;
    std::optional<double> value;
    for (;;) {
      observation.clear();
      while (static_cast<int>(observation.size()) < columns) {
        ItemStream::Token token = items.Next(value);
        if (token == ItemStream::Token::EndOfFile) return;
        if (token == ItemStream::Token::EndOfLine) continue;
        if (!value) return;
        observation.push_back(*value);
      }
      items.SkipLine();
      // The series are created with the first complete observation, so the
      // column count can never make more series than the file has numbers.
      if (table.empty()) table.resize(columns);
      for (int j = 0; j < columns; ++j) table[j].push_back(observation[j]);
    }
  });
  if (failure) {
    if (error != nullptr) *error = *failure;
    return std::nullopt;
  }
  return table;
}

std::optional<std::vector<double>> ReadClipboardSeries(std::string_view text) {
  std::vector<std::string_view> lines = ClipboardLines(text);
  if (lines.empty()) return std::nullopt;
  std::vector<double> values;
  values.reserve(lines.size());
  for (std::string_view line : lines) values.push_back(ParseNumber(line));
  return values;
}

std::optional<std::vector<std::vector<double>>> ReadClipboardTable(std::string_view text) {
  std::vector<std::string_view> lines = ClipboardLines(text);
  if (lines.empty()) return std::nullopt;
  std::string_view head = lines.front();
  size_t columns = 1 + std::count(head.begin(), head.end(), '\t');
  std::vector<std::vector<double>> table(columns, std::vector<double>(lines.size(), 0.0));
  for (size_t k = 0; k < lines.size(); ++k) {
    std::vector<std::string_view> items = SplitItems(lines[k]);
    size_t used = std::min(columns, items.size());
    std::vector<double> observation(used);
    bool readable = true;
    for (size_t j = 0; j < used && readable; ++j) {
      std::optional<double> value = ParseFreeNumber(items[j]);
      if (value)
        observation[j] = *value;
      else
        readable = false;
    }
    if (!readable) continue;
    for (size_t j = 0; j < used; ++j) table[j][k] = observation[j];
  }
  return table;
}

}  // namespace kora
