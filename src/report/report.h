// The text of one report window, always built from the start.
// Lines end with CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kora {

class Report {
 public:
  void Clear() { text_.clear(); }
  // Appends the text and a line break. An empty text does not append: it
  // clears the report (every report starts so). Empty-looking lines inside a
  // report are written as a line of two blanks: AppendBlankLine.
  void AppendLine(std::string_view line);
  void AppendBlankLine() { AppendLine("  "); }
  // Clears the report, then the header block: the banner of '=' characters,
  // the title and the banner again.
  void AppendHeader(std::string_view title, int bannerLength);
  // The first count values, perLine to a line, each FormatFixed with the given
  // decimals right-aligned in 14 characters; then one more line break.
  void AppendNumberRows(const std::vector<double>& values, int count, int perLine, int decimals);
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace kora
