#include "plot/limits_dialog.h"

#include <algorithm>
#include <array>

#include "platform/text.h"
#include "plot/painter.h"
#include "report/number_format.h"
#include "report/number_parse.h"

namespace kora {
namespace {

constexpr int kIdXGroup = 1010;
constexpr int kIdYGroup = 1011;
constexpr int kPreviewWidth = 320, kPreviewHeight = 200;
constexpr std::array<int, 4> kFields = {kIdLimitsXMin, kIdLimitsXMax, kIdLimitsYMin, kIdLimitsYMax};

platform::Control Placed(platform::Control c, int x, int y, int width, int height) {
  c.x = x, c.y = y, c.width = width, c.height = height;
  return c;
}

// The next panel after `from` holding a used curve, cycling through 1..10; 0 when none.
int NextUsedPanel(const PlotWindow& plot, int from) {
  for (int step = 1; step <= kMaxPanels; ++step) {
    const int p = (from + step - 1) % kMaxPanels + 1;
    if (PanelHasCurve(plot, p)) return p;
  }
  return 0;
}

// Smaller value first; equal values become value..value + 1.
void Order(double a, double b, double& low, double& high) {
  low = std::min(a, b);
  high = a == b ? low + 1 : std::max(a, b);
}

}  // namespace

PlotLimitsDialog::PlotLimitsDialog(PlotWindow& plot) : Dialog("Set plot limits"), plot_(plot) {
  using namespace platform;
  width = 300;
  height = 160;
  Add(Placed(GroupBox(kIdXGroup, "X - Axis Range:"), 8, 6, 110, 48));
  Add(Placed(EditField(kIdLimitsXMin, "X Min", ""), 40, 18, 70, 12));
  Add(Placed(EditField(kIdLimitsXMax, "X Max", ""), 40, 36, 70, 12));
  Add(Placed(GroupBox(kIdYGroup, "Y - Axis Range:"), 8, 60, 110, 48));
  Add(Placed(EditField(kIdLimitsYMin, "Y Min", ""), 40, 72, 70, 12));
  Add(Placed(EditField(kIdLimitsYMax, "Y Max", ""), 40, 90, 70, 12));
  Control preview;
  preview.id = kIdLimitsPreview;
  preview.type = ControlType::Picture;
  Add(Placed(preview, 126, 6, 166, 104));
  Add(Placed(PushButton(kIdOk, "OK"), 8, 132, 50, 14));
  Add(Placed(PushButton(kIdCancel, "Cancel"), 66, 132, 50, 14));
  Add(Placed(PushButton(kIdLimitsNextPlot, "Next Plot"), 126, 132, 50, 14));
  panel_ = NextUsedPanel(plot_, 0);
  Fill();
}

void PlotLimitsDialog::Fill() {
  if (panel_ == 0) return;
  const PlotPanel& p = plot_.panels[panel_ - 1];
  const std::array<double, 4> values = {p.xMin, p.xMax, p.yMin, p.yMax};
  for (size_t i = 0; i < kFields.size(); ++i)
    At(kFields[i]).text = std::string(Trim(FormatSignificant(values[i], 5)));
  At(kIdLimitsPreview).picture = PlotSvg(plot_, kPreviewWidth, kPreviewHeight);
  Touch();
}

bool PlotLimitsDialog::Apply() {
  std::array<double, 4> values{};
  for (size_t i = 0; i < kFields.size(); ++i) {
    const auto value = ParseFreeNumber(Trim(At(kFields[i]).text));
    if (!value) {
      if (platform) platform->Message("KORA::Tarn Error", "Error reading dialog-item");
      SetFocus(kFields[i]);
      Touch();
      return false;
    }
    values[i] = *value;
  }
  if (panel_ == 0) return true;
  PlotPanel& p = plot_.panels[panel_ - 1];
  Order(values[0], values[1], p.xMin, p.xMax);
  Order(values[2], values[3], p.yMin, p.yMax);
  return true;
}

void PlotLimitsDialog::OnCommand(int id) {
  switch (id) {
    case platform::kIdOk:
      // OK acts only from the button itself; Enter in a field moves there first.
      if (focus() != platform::kIdOk) {
        SetFocus(platform::kIdOk);
        Touch();
        return;
      }
      if (Apply()) End(platform::kIdOk);
      return;
    case platform::kIdCancel:
      End(platform::kIdCancel);
      return;
    case kIdLimitsNextPlot:
      panel_ = NextUsedPanel(plot_, panel_);
      Fill();
      return;
    default:
      return;
  }
}

void RunPlotLimitsDialog(platform::Platform& platform, PlotWindow& plot) {
  if (PanelsInUse(plot) == 0) return;
  PlotLimitsDialog dialog(plot);
  platform.RunDialog(dialog);
}

}  // namespace kora
