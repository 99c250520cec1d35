#include "stats/spectrum_smoothing_dialog.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/platform.h"
#include "report/number_format.h"
#include "report/number_parse.h"
#include "stats/daniell.h"
#include "stats/spectrum_view.h"
#include "transform/placed_control.h"

namespace kora {

using platform::Control;
using platform::ControlType;
using platform::kIdCancel;
using platform::kIdOk;

namespace {

constexpr const char* kErrorCaption = "KORA::Error";
constexpr int kPictureWidth = 240;
constexpr int kPictureHeight = 100;
constexpr int kMaxBars = 480;  // wider filters are drawn as the largest weight of each column

Control Picture(int id) {
  Control c;
  c.id = id;
  c.type = ControlType::Picture;
  return c;
}

Control DropDown(int id) {
  Control c;
  c.id = id;
  c.type = ControlType::Combo;
  c.label = "Filter";
  return c;
}

std::vector<int> Orders(const UnivariateProject& project) {
  return {project.daniellOrders.begin(), project.daniellOrders.begin() + project.daniellFilterCount};
}

}  // namespace

std::string DaniellWeightsPicture(const std::vector<double>& weights, int width, int height) {
  const long long h = static_cast<long long>(weights.size()) - 1;
  const long long total = 2 * h + 1;
  const long long columns = std::min<long long>(total, kMaxBars);
  const double largest = weights.empty() ? 1.0 : *std::max_element(weights.begin(), weights.end());
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + std::to_string(width) +
                    "\" height=\"" + std::to_string(height) + "\">";
  char buffer[160];
  for (long long c = 0; c < columns && largest > 0.0; ++c) {
    // The weights j = -h..h falling into column c; the tallest one is drawn.
    const long long from = c * total / columns - h, to = (c + 1) * total / columns - h;
    double w = 0.0;
    for (long long j = from; j < to; ++j) w = std::max(w, weights[static_cast<size_t>(j < 0 ? -j : j)]);
    const double x = (c + 0.5) * width / columns, top = height * (1.0 - w / largest);
    std::snprintf(buffer, sizeof buffer, "<line x1=\"%.2f\" y1=\"%d\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"black\"/>", x,
                  height, x, top);
    svg += buffer;
  }
  return svg + "</svg>";
}

SpectrumSmoothingDialog::SpectrumSmoothingDialog(UnivariateProject& project, std::function<void()> redraw)
    : Dialog("Spectrum smoothing"),
      project_(project),
      redraw_(std::move(redraw)),
      savedCount_(project.daniellFilterCount),
      savedOrders_(project.daniellOrders),
      savedSmoothed_(project.smoothedPeriodogram) {
  width = 260;
  height = 200;
  Add(Placed(platform::EditField(kDaniellCountField, "Number of Daniell filters:",
                                 FormatInteger(project.daniellFilterCount)),
             120, 8, 40, 12));
  Add(Placed(DropDown(kDaniellFilterList), 10, 28, 60, 60));
  Add(Placed(platform::EditField(kDaniellOrderField, "Order of filter:", ""), 150, 28, 40, 12));
  Add(Placed(platform::GroupBox(kDaniellGroup, "Daniell filter defintion"), 8, 50, 244, 120));
  Add(Placed(Picture(kDaniellPicture), 14, 62, 232, 90));
  Add(Placed(platform::StaticText(kDaniellLargestLabel, ""), 14, 54, 60, 8));
  Add(Placed(platform::StaticText(kDaniellLowLabel, ""), 14, 154, 30, 8));
  Add(Placed(platform::StaticText(kDaniellHighLabel, ""), 216, 154, 30, 8));
  Add(Placed(platform::PushButton(kDaniellApply, "Apply"), 20, 178, 50, 14));
  Add(Placed(platform::PushButton(kIdOk, "OK"), 100, 178, 50, 14));
  Add(Placed(platform::PushButton(kIdCancel, "Cancel"), 180, 178, 50, 14));
  ShowFilters();
  ShowWeights();
}

int SpectrumSmoothingDialog::SelectedFilter() const {
  const Control* list = Find(kDaniellFilterList);
  return project_.daniellFilterCount > 0 && list->selected >= 0 ? list->selected + 1 : 0;
}

void SpectrumSmoothingDialog::ShowFilters() {
  const int k = project_.daniellFilterCount;
  Control& list = At(kDaniellFilterList);
  Control& order = At(kDaniellOrderField);
  list.items.clear();
  if (k == 0) {
    list.items = {"None"};
    list.selected = 0;
    list.text = "None";
    order.text.clear();
  } else {
    for (int i = 1; i <= k; ++i) list.items.push_back(FormatInteger(i));
    list.selected = 0;
    list.text = list.items[0];
    order.text = FormatInteger(project_.daniellOrders[0]);
  }
  list.enabled = order.enabled = k > 0;
  Touch();
}

void SpectrumSmoothingDialog::ShowWeights() {
  project_.daniellWeights = DaniellWeights(Orders(project_));
  const std::vector<double>& w = project_.daniellWeights;
  const int h = static_cast<int>(w.size()) - 1;
  At(kDaniellPicture).picture = DaniellWeightsPicture(w, kPictureWidth, kPictureHeight);
  At(kDaniellLargestLabel).label = FormatSignificant(*std::max_element(w.begin(), w.end()), 5);
  At(kDaniellLowLabel).label = FormatInteger(-(h + 1));
  At(kDaniellHighLabel).label = FormatInteger(h + 1);
  Touch();
}

void SpectrumSmoothingDialog::OnChange(int id) {
  if (id == kDaniellCountField) {
    const std::optional<int> k = ReadFirstInteger(At(kDaniellCountField).text);
    if (!k) return;  // still being typed
    if (*k < 0 || *k > kMaxDaniellFilters) {
      At(kDaniellCountField).text = FormatInteger(project_.daniellFilterCount);
      Touch();
      platform->Message(kErrorCaption, "Number of Daniell filters must be from 0 to 50");
      return;
    }
    project_.daniellFilterCount = *k;
    std::fill(project_.daniellOrders.begin() + *k, project_.daniellOrders.end(), 0);
    ShowFilters();
    return;
  }
  if (id == kDaniellOrderField) {
    const int filter = SelectedFilter();
    const std::optional<int> order = ReadFirstInteger(At(kDaniellOrderField).text);
    if (filter == 0 || !order) return;
    const int n = project_.count();
    if (*order < 0 || *order > n) {
      At(kDaniellOrderField).text = FormatInteger(project_.daniellOrders[filter - 1]);
      platform->Message(kErrorCaption, "Invalid index, must be less than AR Order = " + FormatInteger(n));
      SetFocus(kDaniellOrderField);
      Touch();
      return;
    }
    project_.daniellOrders[filter - 1] = *order;
    ShowWeights();
  }
}

void SpectrumSmoothingDialog::OnLoseFocus(int id) {
  if (id == kDaniellCountField) ShowWeights();
}

void SpectrumSmoothingDialog::OnSelect(int id) {
  if (id != kDaniellFilterList) return;
  if (const int filter = SelectedFilter()) At(kDaniellOrderField).text = FormatInteger(project_.daniellOrders[filter - 1]);
  Touch();
}

void SpectrumSmoothingDialog::Apply() {
  ApplyDaniellSmoothing(project_);
  redraw_();
}

void SpectrumSmoothingDialog::Restore() {
  project_.daniellFilterCount = savedCount_;
  project_.daniellOrders = savedOrders_;
  project_.daniellWeights = DaniellWeights(Orders(project_));
  project_.smoothedPeriodogram = savedSmoothed_;
  redraw_();
}

void SpectrumSmoothingDialog::OnCommand(int id) {
  if (id == kDaniellApply) return Apply();
  if (id == kIdOk) {
    if (focus() != kIdOk) {  // Enter in a field moves the focus to OK first
      const int from = focus();
      SetFocus(kIdOk);
      Touch();
      OnLoseFocus(from);
      return;
    }
    project_.showSmoothed = true;
    Apply();
    End(kIdOk);
    return;
  }
  if (id == kIdCancel) {
    Restore();
    End(kIdCancel);
  }
}

void SpectrumSmoothingDialog::OnClose() { OnCommand(kIdCancel); }

}  // namespace kora
