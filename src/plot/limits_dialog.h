// The "Set plot limits" dialog: the axis ranges of one used panel after the
// other, typed in by hand, with a preview of the whole plot.
#pragma once

#include "platform/dialog.h"
#include "platform/platform.h"
#include "plot/plot_window.h"

namespace kora {

// Control ids of the dialog.
inline constexpr int kIdLimitsXMin = 1001;
inline constexpr int kIdLimitsXMax = 1002;
inline constexpr int kIdLimitsYMin = 1003;
inline constexpr int kIdLimitsYMax = 1004;
inline constexpr int kIdLimitsPreview = 1005;
inline constexpr int kIdLimitsNextPlot = 1006;

class PlotLimitsDialog : public platform::Dialog {
 public:
  // The plot must have a used panel.
  explicit PlotLimitsDialog(PlotWindow& plot);
  void OnCommand(int id) override;
  int panel() const { return panel_; }

 private:
  void Fill();
  bool Apply();

  PlotWindow& plot_;
  int panel_ = 0;
};

// Runs the dialog on the plot; returns at once when no panel is used. The
// caller repaints the plot.
void RunPlotLimitsDialog(platform::Platform& platform, PlotWindow& plot);

}  // namespace kora
