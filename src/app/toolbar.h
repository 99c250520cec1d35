// The toolbar: a fixed part and a tail that depends on the current project's kind.
#pragma once

#include <string>
#include <vector>

namespace kora {

struct ToolbarButton {
  int command = 0;  // 0 for a separator
  int image = -1;   // 0..21 the program's own pictures; 22 + k the standard picture k; 37.. see below
};

// The program's pictures added after the standard ones (img22.svg onwards in the page).
inline constexpr int kAutofitImage = 37;

// Indices of the standard small pictures (offset by 22 in the image list).
enum StandardImage : int { kStdCut = 0, kStdCopy, kStdPaste, kStdUndo, kStdRedo, kStdDelete, kStdFileNew,
  kStdFileOpen, kStdFileSave, kStdPrintPreview, kStdProperties, kStdHelp, kStdFind, kStdReplace, kStdPrint };

std::vector<ToolbarButton> FixedToolbar();
std::vector<ToolbarButton> UnivariateToolbarTail();
// The tooltip text of a command, empty when it has none.
std::string TooltipText(int command);

}  // namespace kora
