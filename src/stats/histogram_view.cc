#include "stats/histogram_view.h"

#include <algorithm>

#include "project/project_views.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "stats/histogram.h"

namespace kora {

namespace {

constexpr int kBarsCurve = 1;
constexpr int kMaxBins = 100000;  // beyond any screen; a larger count is read as a typing error

void PutBars(platform::Platform& ui, PlotWindow& plot, const HistogramBins& bins) {
  ClearPlotData(plot);
  SetCurvePoints(plot, kBarsCurve, kCurveBars, bins.edges, bins.counts);
  // Bars stand on zero.
  PlotCurve& curve = plot.curves[kBarsCurve - 1];
  curve.yLow = std::min(curve.yLow, 0.0);
  ComputeLimits(plot);
  ui.Invalidate(plot.window);
}

// The panel showing curve 1 of the main data plot: its vertical range is the histogram's range.
const PlotPanel& SeriesPanel(const UnivariateProject& project) {
  const PlotWindow& main = project.plots[kMainPlot];
  const int panel = std::clamp(main.curves[0].panel, 1, kMaxPanels);
  return main.panels[panel - 1];
}

class HistogramBinsDialog : public platform::Dialog {
 public:
  explicit HistogramBinsDialog(int bins) : Dialog("Specify Histogram Bins") {
    Add(platform::EditField(kHistogramBinsField, "Enter # of bins:", FormatInteger(bins)));
    Add(platform::PushButton(platform::kIdOk, "OK"));
    Add(platform::PushButton(platform::kIdCancel, "Cancel"));
  }
};

}  // namespace

bool DrawHistogram(platform::Platform& ui, UnivariateProject& project, int bins) {
  if (!project.HasData()) return false;
  if (bins <= 0) bins = AutomaticBinCount(project.count());
  project.histogramBins = bins;
  const PlotPanel& range = SeriesPanel(project);
  PlotWindow& plot = OpenPlot(ui, project, kHistogramPlot, "HISTOGRAM: " + ProjectName(ui, project));
  PutBars(ui, plot, CountBins(project.series, range.yMin, range.yMax, bins, false));
  return true;
}

bool DrawResidualHistogram(platform::Platform& ui, UnivariateProject& project, int bins) {
  const std::vector<double>& e = project.residuals;
  if (e.empty()) return false;
  if (bins <= 0) bins = AutomaticBinCount(static_cast<int>(e.size()));
  project.histogramBins = bins;
  const auto [lo, hi] = std::minmax_element(e.begin(), e.end());
  PlotWindow& plot =
      OpenPlot(ui, project, kResidualHistogramPlot, "Residual:HISTOGRAM: " + ProjectName(ui, project));
  PutBars(ui, plot, CountBins(e, *lo, *hi, bins, true));
  return true;
}

int AskHistogramBins(platform::Platform& ui, const UnivariateProject& project) {
  const int shown =
      PlotOpen(ui, project, kHistogramPlot) ? project.histogramBins : AutomaticBinCount(project.count());
  for (;;) {
    HistogramBinsDialog dialog(shown);
    if (ui.RunDialog(dialog) != platform::kIdOk) return 0;
    const std::optional<int> bins = ReadFirstInteger(dialog.At(kHistogramBinsField).text);
    if (bins && *bins >= 1 && *bins <= kMaxBins) return *bins;  // anything else opens the dialog again, without a message
  }
}

void RefreshHistogramViews(platform::Platform& ui, UnivariateProject& project, bool dataChanged) {
  if (dataChanged && PlotOpen(ui, project, kHistogramPlot)) {
    if (!DrawHistogram(ui, project, project.histogramBins)) ClearPlotData(project.plots[kHistogramPlot]);
    WritePlotReport(ui, project, kHistogramPlot);
  }
  if (PlotOpen(ui, project, kResidualHistogramPlot)) {
    if (DrawResidualHistogram(ui, project, project.histogramBins))
      WritePlotReport(ui, project, kResidualHistogramPlot);
  }
}

}  // namespace kora

