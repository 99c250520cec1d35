// A failure of a file or clipboard operation as the user sees it: the text of
// the message box and its caption. Readers and writers return it; the command
// handler shows it.
#pragma once

#include <string>

namespace kora {

struct FileError {
  std::string caption;
  std::string text;
};

}  // namespace kora
