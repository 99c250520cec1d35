// Mouse gestures in plot windows: the zoom rectangle, zoom out, wheel zoom,
// panning, and the data coordinates under the mouse in the status bar.
#include "app/application.h"
#include "plot/painter.h"

namespace kora {

using platform::EventType;

// Buttons 4 and 5 are the wheel turned away from and towards the user, one notch each.
constexpr int kWheelUp = 4, kWheelDown = 5;


void Application::PaintForMouse(WindowId window, PlotWindow& plot) {
  const platform::ChildWindow* w = ui.Window(window);
  if (!w) return;
  ComputePlotScales(plot, WindowPaintRect(w->width, w->height), 0);
}

void Application::ZoomOutAt(WindowId window) {
  PlotRef ref = FindPlot(window);
  if (!ref.plot) return;
  ZoomBack(*ref.plot);
  ui.Invalidate(window);
  drag_ = {};
  zoomMode = kZoomNone;
}

void Application::HandleMouse(const UserEvent& event) {
  const WindowId window = event.window ? event.window : FindWindowByTitle(event.text, event.titleRank);
  PlotRef ref = FindPlot(window);
  if (!ref.plot) return;  // only plot windows take mouse gestures
  const platform::ChildWindow& w = *ui.Window(window);
  PaintForMouse(window, *ref.plot);
  switch (event.type) {
    case EventType::MouseDown:
      if (event.number == 2) {
        // The right button opens the popup at position 7 of the shown menu
        // bar; the multivariate bar has none there.
        if (shownMenu == kShowTarnMenu) {
          ++popupSerial;
          popupWindow = window;
          popupX = event.x;
          popupY = event.y;
        }
        return;
      }
      if (event.number == kWheelUp || event.number == kWheelDown) {
        WheelZoom(*ref.plot, PanelUnderPoint(*ref.plot, w.width, w.height, event.x, event.y), event.x,
                  event.number == kWheelUp);
        ui.Invalidate(window);
        return;
      }
      if (event.number != 1) return;
      if (zoomMode == kZoomOut) {
        ZoomOutAt(window);
      } else if (zoomMode == kZoomRegion || zoomMode == kZoomRange) {
        drag_ = BeginZoom(*ref.plot, zoomMode, w.width, w.height, event.x, event.y);
        dragWindow_ = window;
      } else {
        pan_ = BeginPan(*ref.plot, PanelUnderPoint(*ref.plot, w.width, w.height, event.x, event.y), event.x,
                        event.y);
        panWindow_ = window;
      }
      return;
    case EventType::MouseMove:
      if (drag_.active && dragWindow_ == window) MoveZoom(drag_, event.x, event.y);
      if (pan_.active && panWindow_ == window && MovePan(*ref.plot, pan_, event.x, event.y))
        ui.Invalidate(window);
      status[2] = MousePositionText(*ref.plot, w.width, w.height, event.x, event.y);
      if (onFrameChanged) onFrameChanged();
      return;
    case EventType::MouseUp:
      if (pan_.active && panWindow_ == window) {
        if (MovePan(*ref.plot, pan_, event.x, event.y)) ui.Invalidate(window);
        pan_ = {};
        return;
      }
      if (!drag_.active || dragWindow_ != window) return;
      MoveZoom(drag_, event.x, event.y);
      if (drag_.x1 != drag_.x2 && drag_.y1 != drag_.y2) RememberView(*ref.plot, kGestureRectangle);
      EndZoom(*ref.plot, drag_);
      ui.Invalidate(window);
      drag_ = {};
      zoomMode = kZoomNone;
      return;
    default:
      return;
  }
}

}  // namespace kora
