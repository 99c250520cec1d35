// Numbers from text: the series text file (one number per line), the
// multivariate text file (c numbers per observation) and clipboard text (one
// series, or a table of series separated by tabs). Numbers are read in the
// free numeric form of report/number_parse.h. A UTF-8 byte-order mark at the
// start is passed over, and lines may end with LF, CR LF or a lone CR.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/file_error.h"

namespace kora {

struct RawDataResult {
  std::vector<double> values;
  std::optional<FileError> error;  // set when nothing could be read
};

// The first item of each line, in order. Lines holding nothing are passed
// over, and so is a first line of text (a heading); reading stops at the end
// of the file or at the next line whose first item is not a number.
// Errors: "Cannot open file" ("ReadRawData()"); "Cannot read file"
// ("ReadRawData()") also when the file yields no number at all (a heading
// alone, words, 1e400); "Memory allocation error." ("ERROR").
RawDataResult ReadRawData(const std::string& path);

// Observations of `columns` numbers each, an observation continuing over the
// following lines when a line holds fewer items, the rest of a line after its
// last needed item ignored; a first line of text (column names) is passed
// over. Reading stops at the end of the file, at an item
// that is not a number, or at an observation the file ends inside of (that one
// is dropped). The result is `columns` series of equal length; a file without
// one complete observation gives an empty table (no series). Nothing (and no
// error) when columns < 1. Errors as ReadRawData.
std::optional<std::vector<std::vector<double>>> ReadMultivariateText(const std::string& path, int columns,
                                                                     FileError* error);

// Clipboard text of one series: lines end with CR LF, LF or CR, L = number of
// line breaks + 1. Lines 1..L-1 are read (the last line never), each up to
// 255 characters, giving its first number, or 0 when it holds none; a first
// line of text is a heading and passed over. Nothing when no line read holds
// a number.
std::optional<std::vector<double>> ReadClipboardSeries(std::string_view text);

// Clipboard table: c = 1 + the tabs within the first 255 characters of line 1;
// c series of L-1 observations, line k giving observation k. Values missing
// from a short line stay 0, and a line holding an item that is not a number
// gives 0 throughout.
std::optional<std::vector<std::vector<double>>> ReadClipboardTable(std::string_view text);

}  // namespace kora
