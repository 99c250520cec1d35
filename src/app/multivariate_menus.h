// The entries of the multivariate menu bar that follow the project's state,
// and the multivariate toolbar tail.
#pragma once

#include <vector>

#include "app/menu_bar.h"
#include "app/toolbar.h"
#include "multivariate/multivariate_project.h"

namespace kora {

// Greys what cannot act (no data, no model, nothing to undo, the univariate
// file commands) and writes the Undo text.
void UpdateMultivariateMenu(MenuBar& menu, const MultivariateProject& project);

// Import, the zoom gestures and Info.
std::vector<ToolbarButton> MultivariateToolbarTail();

}  // namespace kora
