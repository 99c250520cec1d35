// Numbers to text: the series file of Export, the multivariate export file
// and the clipboard texts of one series or a table of series.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/file_error.h"

namespace kora {

// One value a line, in the shortest text that reads back to the same double,
// so ReadRawData returns exactly these values. A value that is not finite has
// no such text and would end the reading there: NaN is written as 0 and an
// infinity as the largest finite double of its sign.
// Errors: "Cannot open file" / "Cannot write to file" ("WriteRawData()").
std::optional<FileError> WriteRawData(const std::string& path, const std::vector<double>& values);

// table = series by observations: one line per observation with the values of
// all series in series order, separated by a blank, written as WriteRawData
// writes them. The observation count is the length of the shortest series; a
// table without observations writes an empty file. Errors as WriteRawData with
// the caption "WriteAsciiArray()".
std::optional<FileError> WriteAsciiArray(const std::string& path,
                                         const std::vector<std::vector<double>>& table);

// The values with 5 significant digits, CR LF between values, none after the last.
std::string ClipboardColumnText(const std::vector<double>& values);

// One line per observation, the series' values separated by tabs, CR LF
// between lines and none after the last; same number form as the column text.
std::string ClipboardTableText(const std::vector<std::vector<double>>& table);

}  // namespace kora
