// What the plot windows of a univariate project write beside their axes and
// in their legends, by plot slot.
#pragma once

#include "plot/plot_window.h"

namespace kora {

// Sets the axis titles and the curve names of a plot window of the slot.
void LabelPlot(PlotWindow& plot, int plotSlot);

}  // namespace kora
