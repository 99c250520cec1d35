// What a script's inspection lines print: window contents, the window list,
// the status bar, the menu bar, the toolbar and the clipboard.
#include <cstdio>
#include <sstream>

#include "app/application.h"
#include "app/toolbar.h"

namespace kora {

using platform::EventType;

namespace {

std::string Number(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

// Report texts use CR LF; the transcript shows plain lines.
std::string PlainLines(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r') out += c;
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out;
}

std::string CurvesText(const PlotWindow& plot) {
  std::ostringstream out;
  for (int j = 0; j < kMaxCurves; ++j) {
    const PlotCurve& c = plot.curves[j];
    if (!c.used) continue;
    out << "curve " << j + 1 << " kind " << c.curveKind << " panel " << c.panel;
    if (plot.panels[c.panel - 1].hasTitle) out << " \"" << plot.panels[c.panel - 1].title << "\"";
    if (c.boundCount != 0) out << " bounds " << Number(c.boundCount);
    out << "\n";
    const size_t n = std::max(c.xValues.size(), c.yValues.size());
    for (size_t i = 0; i < n; ++i) {
      out << (i < c.xValues.size() ? Number(c.xValues[i]) : "-") << " "
          << (i < c.yValues.size() ? Number(c.yValues[i]) : "-") << "\n";
    }
  }
  for (int k = 0; k < kMaxPanels; ++k) {
    const PlotPanel& p = plot.panels[k];
    bool hasCurve = false;
    for (const auto& c : plot.curves) hasCurve |= c.used && c.panel == k + 1;
    if (!hasCurve) continue;
    out << "panel " << k + 1 << " x " << Number(p.xMin) << " " << Number(p.xMax) << " y " << Number(p.yMin) << " "
        << Number(p.yMax) << "\n";
  }
  return out.str();
}

void PrintMenuItems(std::ostringstream& out, const std::vector<MenuItem>& items, int depth) {
  for (const auto& item : items) {
    if (item.IsSeparator()) continue;
    out << std::string(2 * depth, ' ');
    if (item.IsPopup()) {
      out << "\"" << MenuCaption(item.text) << "\" " << (item.enabled ? "enabled" : "greyed") << "\n";
      PrintMenuItems(out, item.children, depth + 1);
    } else {
      out << item.id << " \"" << MenuCaption(item.text) << "\" " << (item.enabled ? "enabled" : "greyed")
          << (item.checked ? " checked" : "") << "\n";
    }
  }
}

// The windows of exactly this title ("window 1 (project 1), window 3 (project
// 2)"), when there are several; empty otherwise.
std::string WindowsTitled(const Platform& ui, const std::string& title) {
  std::string names;
  int count = 0;
  for (const platform::ChildWindow* w : ui.Windows()) {
    if (w->title != title) continue;
    if (count++ > 0) names += ", ";
    names += "window " + std::to_string(w->id) + " (project " + std::to_string(w->ownerSlot) + ")";
  }
  return count > 1 ? names : std::string();
}

}  // namespace

void Application::HandleInspection(const UserEvent& event) {
  std::ostringstream out;
  std::string title;
  switch (event.type) {
    case EventType::Print: {
      if (std::string several = WindowsTitled(ui, event.text); !several.empty()) {
        ui.source().Reject(event, "several windows are titled \"" + event.text + "\": " + several);
        return;
      }
      WindowId id = FindWindowByTitle(event.text);
      const platform::ChildWindow* w = ui.Window(id);
      if (!w) {
        ui.source().Reject(event, "no window \"" + event.text + "\"");
        return;
      }
      title = w->title;
      if (w->kind == platform::kPlotWindow) {
        if (PlotRef ref = FindPlot(id); ref.plot) out << CurvesText(*ref.plot);
      } else if (w->kind == platform::kDuplicatePlotWindow) {
        out << w->picture << "\n";
      } else {
        out << PlainLines(w->text);
      }
      break;
    }
    case EventType::PrintWindows:
      title = "windows";
      for (const platform::ChildWindow* w : ui.Windows()) {
        out << w->id << " " << w->kind << " \"" << w->title << "\" project " << w->ownerSlot
            << (w->minimized ? " minimized" : "") << (ui.Focused() == w->id ? " active" : "") << "\n";
      }
      break;
    case EventType::PrintStatus:
      title = "status";
      for (const auto& part : status) out << "\"" << part << "\"\n";
      out << "current project " << current << "\n";
      break;
    case EventType::PrintMenu:
      title = shownMenu == kShowTarnMenu ? "TARN_MENU" : "MV_MENU";
      PrintMenuItems(out, shownMenuBar().popups, 0);
      break;
    case EventType::PrintToolbar:
      title = "toolbar";
      for (const auto& button : toolbar) {
        if (button.command == 0) {
          out << "separator\n";
          continue;
        }
        out << button.command << " image " << button.image;
        if (auto tip = TooltipText(button.command); !tip.empty()) out << " \"" << tip << "\"";
        out << "\n";
      }
      break;
    case EventType::PrintClipboard:
      title = "clipboard";
      if (ui.clipboard().text) out << PlainLines(*ui.clipboard().text);
      if (ui.clipboard().picture) out << "(picture)\n";
      break;
    default:
      return;
  }
  ui.Output("--- begin " + title + "\n" + out.str() + "--- end\n");
}

}  // namespace kora
