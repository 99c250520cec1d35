#include "project/text_import.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "report/number_parse.h"

namespace kora {

namespace {

constexpr size_t kClipboardLineLength = 255;  // the text buffer hands out lines of this length

bool IsSeparator(int c) { return c == ' ' || c == '\t' || c == ','; }

// Lines end with LF, CR LF or a lone CR (old Mac files).
bool IsLineEnd(int c) { return c == '\n' || c == '\r'; }

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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
    if (IsLineEnd(c)) {
      ConsumeLineEnd();
      return Token::EndOfLine;
    }
    item_.clear();
    bool plausible = true;
    while ((c = Peek()) != kEnd && !IsLineEnd(c) && !IsSeparator(c)) {
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
      const char* found = std::find_if(start, static_cast<const char*>(buffer_.data() + end_), [](char c) { return IsLineEnd(c); });
      pos_ += found - start;
      if (pos_ < end_) return ConsumeLineEnd();
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
      // A UTF-8 byte-order mark at the start of the file is not text.
      if (!started_ && std::string_view(buffer_.data(), end_).starts_with(kByteOrderMark))
        pos_ = kByteOrderMark.size();
      started_ = true;
      if (pos_ == end_) return Peek();
    }
    return static_cast<unsigned char>(buffer_[pos_]);
  }

  // The line end at pos_: CR LF counts as one.
  void ConsumeLineEnd() {
    const bool cr = buffer_[pos_] == '\r';
    ++pos_;
    if (cr && Peek() == '\n') ++pos_;
  }

  std::FILE* file_;
  std::vector<char> buffer_;
  size_t pos_ = 0, end_ = 0;
  bool failed_ = false;
  bool started_ = false;
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

// The lines of clipboard text that are followed by a line break (LF, CR LF
// or a lone CR), each cut to the length the text buffer hands out.
std::vector<std::string_view> ClipboardLines(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t end = text.find_first_of("\r\n"); end != std::string_view::npos;
       end = text.find_first_of("\r\n", start)) {
    lines.push_back(text.substr(start, end - start).substr(0, kClipboardLineLength));
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
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
    bool headerAllowed = true;
    for (;;) {
      ItemStream::Token token = items.Next(value);
      if (token == ItemStream::Token::EndOfFile) break;
      if (token == ItemStream::Token::EndOfLine) continue;  // a line holding nothing
      if (!value && !std::exchange(headerAllowed, false)) break;
      if (value) result.values.push_back(*value);
      headerAllowed = false;
      items.SkipLine();
    }
  });
  if (!result.error && result.values.empty()) result.error = CannotRead();
  if (result.error) result.values = {};
  // The project keeps these values for good: no room to spare from the growth.
  result.values.shrink_to_fit();
  return result;
}

std::optional<std::vector<std::vector<double>>> ReadMultivariateText(const std::string& path, int columns,
                                                                     FileError* error) {
  if (columns < 1) return std::nullopt;
  std::vector<std::vector<double>> table;
  std::optional<FileError> failure = ReadTextFile(path, [&](ItemStream& items) {
    std::vector<double> observation;
    std::optional<double> value;
    bool headerAllowed = true;
    for (;;) {
      observation.clear();
      while (static_cast<int>(observation.size()) < columns) {
        ItemStream::Token token = items.Next(value);
        if (token == ItemStream::Token::EndOfFile) return;
        if (token == ItemStream::Token::EndOfLine) continue;
        if (!value && std::exchange(headerAllowed, false)) {
          items.SkipLine();  // a line of column names before the numbers
          continue;
        }
        if (!value) return;
        headerAllowed = false;
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
  if (!lines.empty() && HasItem(lines.front()) && !ReadFirstNumber(lines.front()))
    lines.erase(lines.begin());  // a heading
  if (std::none_of(lines.begin(), lines.end(), [](std::string_view line) { return ReadFirstNumber(line); }))
    return std::nullopt;
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
