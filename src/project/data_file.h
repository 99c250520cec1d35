// A file chosen by Open or Import File, read whole before the project is
// touched: the part-structured layout, then the project file, then plain text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/file_error.h"
#include "project/project_file.h"

namespace kora {

struct DataFile {
  // Set when a reader accepted the file: either a project file's contents or
  // the values of a part-structured or text file.
  std::optional<ProjectContents> project;
  std::optional<std::vector<double>> values;
  bool savable = false;       // Save may write back to it (a part-structured file)
  std::optional<FileError> error;  // when no reader accepted it

  bool Read() const { return project || values; }
};

// A reader that recognises the file but fails gives its own error and the
// later readers are not tried; a text file without one number is refused
// ("Cannot read file", "ReadRawData()").
DataFile ReadDataFile(const std::string& path);

}  // namespace kora
