#include "project/plot_labels.h"

#include "forecast/forecast_plot.h"
#include "project/univariate_project.h"

namespace kora {

namespace {

void Name(PlotWindow& plot, int curve, const char* name) { plot.curveNames[curve - 1] = name; }

}  // namespace

void LabelPlot(PlotWindow& plot, int plotSlot) {
  switch (plotSlot) {
    case kAcfPlot:
    case kResidualAcfPlot:
      plot.xAxisTitle = "Lag";
      // Sample ACF and PACF stems are curves 1 and 2, the model's lines 3 and 4.
      Name(plot, 1, "Sample");
      Name(plot, 2, "Sample");
      Name(plot, 3, "Model");
      Name(plot, 4, "Model");
      return;
    case kSpectrumPlot:
    case kCumulativeSpectrumPlot:
      plot.xAxisTitle = "Frequency";
      Name(plot, 1, "Periodogram");
      Name(plot, 2, "Model");
      return;
    case kHistogramPlot:
    case kResidualHistogramPlot:
      plot.xAxisTitle = "Value";
      plot.yAxisTitle = "Count";
      return;
    default:
      break;
  }
  plot.xAxisTitle = "Time";
  plot.yAxisTitle = "Value";
  switch (plotSlot) {
    case kClassicalFitPlot:
      Name(plot, 1, "Data");
      Name(plot, 2, "Fit");
      return;
    case kRegressionFitPlot:
      Name(plot, 1, "Data");
      Name(plot, 2, "Trend");
      return;
    case kArmaForecastPlot:
    case kArarForecastPlot:
    case kHoltWintersPlot:
    case kSeasonalHoltWintersPlot:
      Name(plot, 1, "Data");
      Name(plot, 2, "Forecast");
      Name(plot, kBandCurve, "95% prediction band");
      return;
    case kExponentialSmoothingPlot:
    case kFftSmoothingPlot:
    case kMovingAverageSmoothingPlot:
      Name(plot, 1, "Data");
      Name(plot, 2, "Smoothed");
      return;
    default:
      return;
  }
}

}  // namespace kora
