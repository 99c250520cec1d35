#include "forecast/forecast_plot.h"

namespace kora {

void DrawPredictionBand(PlotWindow& plot, int first, const std::vector<double>& lower,
                        const std::vector<double>& upper) {
  if (lower.empty() || lower.size() != upper.size()) return;
  std::vector<double> x(lower.size());
  for (size_t i = 0; i < x.size(); ++i) x[i] = first + static_cast<double>(i);
  SetCurveBand(plot, kBandCurve, x, lower, upper);
}

}  // namespace kora
