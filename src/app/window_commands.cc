// Commands on the active child window and the program: Print, Info, zoom,
// manual limits, Copy, Duplicate, Cascade, Tile, Exit, Help and About.
#include "app/application.h"
#include "app/commands.h"
#include "multivariate/multivariate_views.h"
#include "plot/colours_dialog.h"
#include "plot/limits_dialog.h"
#include "plot/painter.h"
#include "project/project_views.h"

namespace kora {

namespace {

// Pixels left free around a recorded picture.
constexpr int kPictureMargin = 10;

std::string PictureOf(const PlotWindow& plot, const platform::ChildWindow& w) {
  return PlotSvg(plot, std::max(1, w.width - 2 * kPictureMargin), std::max(1, w.height - 2 * kPictureMargin));
}

class AboutDialog : public platform::Dialog {
 public:
  AboutDialog() : Dialog("About KORA 0.1.0") {
    Add(platform::StaticText(1300, "KORA time-series workbench, version 0.1.0"));
    Add(platform::StaticText(1301, "Licensed under the GNU GPL, version 3 or later."));
    Add(platform::PushButton(platform::kIdOk, "OK"));
  }
};

}  // namespace

void PrintCommand(Application& app) {
  if (WindowId active = app.ActiveChild()) app.ui.Print(active);
}

void InfoCommand(Application& app) {
  Application::PlotRef ref = app.FindPlot(app.ActiveChild());
  if (ref.plot && ref.project) ShowPlotInfo(app.ui, *ref.project, ref.plotSlot);
  // A multivariate project's INFO belongs to its main window.
  MultivariateProject* mv = app.CurrentMultivariate();
  if (ref.plot && !ref.project && mv && ref.plot == &mv->mainWindow) ShowMultivariateInfo(app.ui, *mv);
}

void ZoomRegionCommand(Application& app) { app.zoomMode = kZoomRegion; }

void ZoomRangeCommand(Application& app) { app.zoomMode = kZoomRange; }

void ZoomOutCommand(Application& app) {
  app.zoomMode = kZoomOut;
  // A left-button press at the corner of the active child carries it out.
  if (WindowId active = app.ActiveChild()) {
    UserEvent press;
    press.type = platform::EventType::MouseDown;
    press.window = active;
    press.number = 1;
    app.OnFrameEvent(press);
  }
}

void ZoomManualCommand(Application& app) {
  WindowId active = app.ActiveChild();
  Application::PlotRef ref = app.FindPlot(active);
  if (!ref.plot) return;
  RunPlotLimitsDialog(app.ui, *ref.plot);
  app.ui.Invalidate(active);
}

void CopyCommand(Application& app) {
  WindowId active = app.ActiveChild();
  const platform::ChildWindow* w = app.ui.Window(active);
  if (!w) return;
  if (w->kind == platform::kPlotWindow) {
    Application::PlotRef ref = app.FindPlot(active);
    if (!ref.plot) return;
    app.ui.SetClipboardPicture(PictureOf(*ref.plot, *w));
  } else if (w->kind == platform::kDuplicatePlotWindow) {
    app.ui.SetClipboardPicture(w->picture);
  } else {
    return;
  }
  app.StatusNote("Picture copied to the clipboard");
}

void DuplicateCommand(Application& app) {
  WindowId active = app.ActiveChild();
  const platform::ChildWindow* source = app.ui.Window(active);
  if (!source) return;
  const platform::ChildWindow original = *source;
  if (original.kind == platform::kPlotWindow) {
    Application::PlotRef ref = app.FindPlot(active);
    if (!ref.plot) return;
    WindowId copy = app.ui.CreateWindow(platform::kDuplicatePlotWindow, "(DUPLICATE) " + original.title,
                                        original.ownerSlot);
    app.ui.Window(copy)->picture = PictureOf(*ref.plot, original);
    app.ui.MoveWindow(copy, original.x + 24, original.y + 24, original.width, original.height);
    app.ui.Activate(copy);
  } else if (original.kind == platform::kReportWindow) {
    WindowId copy = app.ui.CreateWindow(platform::kDuplicateReportWindow, "(DUPLICATE) " + original.title,
                                        original.ownerSlot);
    app.ui.SetText(copy, original.text);
    app.ui.Activate(copy);
  }
}

void CustomizeColorsCommand(Application& app) {
  // Asked of the active plot window; the colours serve every plot of every project.
  if (!app.FindPlot(app.ActiveChild()).plot) return;
  RunColoursDialog(app.ui, [&app] {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      if (app.registry[slot].kind != kUnivariate) continue;
      for (const auto& plot : app.registry[slot].univariate->plots) app.ui.Invalidate(plot.window);
    }
  });
}

void CascadeCommand(Application& app) { app.ui.Cascade(); }

void TileCommand(Application& app) { app.ui.Tile(); }

void NextWindowCommand(Application& app) { app.ui.ActivateNext(false); }

void ExitCommand(Application& app) { app.ui.Quit(); }

void HelpContentsCommand(Application& app) { app.ui.ShowHelp("index"); }

void HelpOnHelpCommand(Application& app) { app.ui.ShowHelp("help on help"); }

void AboutCommand(Application& app) {
  AboutDialog dialog;
  app.ui.RunDialog(dialog);
}

}  // namespace kora
