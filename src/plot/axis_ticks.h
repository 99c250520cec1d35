// Tick marks of a plot axis: the step, the tick values, which ticks carry a
// label, and the label texts of the x and y axes.
#pragma once

#include <string>
#include <vector>

namespace kora {

struct AxisTicks {
  double step = 0;             // 0 when the range has no ticks
  std::vector<double> values;  // ticks in increasing order, all below the top of the range
  bool thinned = false;        // only the first, third, ... tick carries a label
  bool Labelled(size_t index) const { return !thinned || index % 2 == 0; }
};

// A power of ten, halved and then multiplied by 0.4 while the range holds
// fewer than five steps; 0 when hi - lo is not a positive finite number.
double TickStep(double lo, double hi);
// Ticks of the x axis; a lower end on a multiple of the step is itself a tick.
AxisTicks XAxisTicks(double lo, double hi);
// Ticks of the y axis of a panel of the given pixel height.
AxisTicks YAxisTicks(double lo, double hi, int panelHeight);

// Label texts in their columns (leading blanks kept; asterisks when a fixed
// text does not fit its width).
std::string YTickLabel(double value, double step);
std::string XTickLabel(double value, double step);

// Fixed notation with the given decimals right-aligned in width columns.
std::string FixedField(double value, int width, int decimals);

}  // namespace kora
