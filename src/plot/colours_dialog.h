// "Customize Colors": the program-wide colours of the plots, chosen with a
// colour chooser, applied at once to every plot window.
#pragma once

#include <functional>
#include <optional>

#include "platform/platform.h"

namespace kora {

// Control ids of the dialog: one choice per colour entry, its sample, and the button.
inline constexpr int kChooseColourButton = 1401;

// The colour chooser: the preset colour and the 16 custom colours (the greys
// 0, 16, ..., 240). Returns the chosen colour, or nothing when cancelled.
std::optional<int> ChooseColour(platform::Platform& ui, int preset);

// Runs the dialog; repaintAll repaints every plot window after each change.
void RunColoursDialog(platform::Platform& ui, const std::function<void()>& repaintAll);

}  // namespace kora
