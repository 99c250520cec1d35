// The frame: owns the project registry, the menu bars, toolbar and status
// bar, and dispatches every user command to its handler on the current project.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/menu_bar.h"
#include "app/registry.h"
#include "app/toolbar.h"
#include "platform/platform.h"
#include "plot/plot_picture_cache.h"
#include "plot/view_gestures.h"
#include "plot/zoom.h"

namespace kora {

class SessionRecorder;
using platform::Platform;
using platform::UserEvent;
using platform::WindowId;

enum ShownMenu : int { kShowTarnMenu = 1, kShowMvMenu = 2 };

class Application : public platform::FrameHandler {
 public:
  explicit Application(Platform& ui);

  void OnFrameEvent(const UserEvent& event) override;
  void OnWindowActivated(const platform::ChildWindow& window) override;

  void Dispatch(int command);
  // Whether the user can give the command now: a toolbar button, or a menu
  // entry of the shown bar that is not greyed.
  bool Reachable(int command) const;
  void MakeCurrent(int slot);
  void UpdateMenus();
  void UpdateToolbar();
  void UpdateStatus();
  // Zoom out at once: automatic limits again and a repaint (command Zoom > Out).
  void ZoomOutAt(WindowId window);
  // All three, after a change of the current project or its state.
  void UpdateFrame();

  UnivariateProject* CurrentUnivariate();
  MultivariateProject* CurrentMultivariate();
  // The child window a plot command acts on: the focused child, 0 when none.
  WindowId ActiveChild() const;
  // The plot record behind a plot window, with its project; null when none.
  struct PlotRef {
    PlotWindow* plot = nullptr;
    UnivariateProject* project = nullptr;
    int plotSlot = -1;
  };
  PlotRef FindPlot(WindowId window);

  const MenuBar& shownMenuBar() const { return shownMenu == kShowTarnMenu ? tarnMenu : mvMenu; }

  Platform& ui;
  ProjectRegistry registry;
  int current = 0;
  int shownMenu = kShowTarnMenu;
  MenuBar tarnMenu;
  MenuBar mvMenu;
  std::vector<ToolbarButton> toolbar;
  std::array<std::string, 3> status{"NONE", "", ""};
  int zoomMode = kZoomNone;
  bool quitRequested = false;
  // Some univariate project holds changes its project file does not (updated after every command).
  bool anyUnsaved = false;
  // The right-button popup asked for last (serial 0: none yet).
  uint64_t popupSerial = 0;
  WindowId popupWindow = 0;
  int popupX = 0, popupY = 0;
  // The zoom rectangle being dragged in the window, or null.
  const ZoomDrag* Drag(WindowId window) const {
    return drag_.active && dragWindow_ == window ? &drag_ : nullptr;
  }
  // Told whenever menus, toolbar or status bar changed.
  std::function<void()> onFrameChanged;
  // A PNG picture the page is asked to draw from a plot's SVG (Save
  // Picture), and the file it goes to; the serial counts the requests.
  struct PictureRequest {
    uint64_t serial = 0;
    std::string path, svg;
    int width = 0, height = 0;
  };
  PictureRequest pictureRequest;
  // Plot paintings of the last desktop snapshot, reused while unchanged.
  PlotPictureCache plotPictures;
  // The page's PNG for the request (event number: its serial, text: base64).
  void WritePictureData(const UserEvent& event);
  // A short note in the status bar's third part.
  void StatusNote(const std::string& text);
  // What the user did so far, where the back end records it (File > Save Session As Script...).
  SessionRecorder* session = nullptr;

 private:
  void HandleWindowEvent(const UserEvent& event);
  void HandleMouse(const UserEvent& event);
  // The panels' scales as painting the window at its size stores them.
  void PaintForMouse(WindowId window, PlotWindow& plot);
  void HandleInspection(const UserEvent& event);
  // The window of that exact title (the rank-th of them, counted from 1), or
  // else the one window whose title contains it; 0 when none.
  WindowId FindWindowByTitle(const std::string& title, int rank = 0) const;
  void FrameChanged();

  // The rubber rectangle of a zoom gesture and the window it is drawn in.
  ZoomDrag drag_;
  WindowId dragWindow_ = 0;
  // A drag that pans the view of a plot window.
  PanDrag pan_;
  WindowId panWindow_ = 0;
};

}  // namespace kora
