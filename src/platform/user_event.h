// One user action, as it arrives from a script line or from the browser.
#pragma once

#include <optional>
#include <string>

namespace kora::platform {

using WindowId = int;  // 0 = no window

// A control named either by its id or by its label.
struct ControlRef {
  int id = 0;
  std::string label;  // used when not empty
};

// A tree node named either by its key or by a path of labels ("A > B").
struct NodeRef {
  int key = 0;
  std::string path;  // used when not empty
};

enum class EventType {
  // Frame events
  Command,        // number = command id
  Activate,       // window (by id or title)
  CloseWindow,    // the close box of a child window
  MinimizeWindow,
  RestoreWindow,
  ResizeWindow,   // x, y = new client width and height
  MoveWindow,     // x, y position; width, height client size
  MaximizeWindow,
  ClientSize,     // width, height of the client area
  MouseDown,      // x, y in client pixels; number = button (1 left, 2 right)
  MouseMove,
  MouseUp,
  SetClipboard,   // text
  PictureData,    // number = serial of the picture request, text = the PNG in base64
  // Dialog events
  SetText,   // control, text
  Focus,     // control
  Check,     // control, number 1 on / 0 off
  Radio,     // control
  Select,    // control, number = entry counted from 1
  Slider,    // control, number = position
  Click,     // control
  TreeSelect,  // control, node
  TreeExpand,  // control, node, number 1 expand / 0 collapse
  TreeRename,  // control, node, text = the new label (an in-place edit ended with Enter)
  TreeDrag,    // control, node dropped on target
  Enter,
  Escape,
  CloseDialog,
  // Message box answers
  Ok,
  Yes,
  No,
  // File dialog answers
  File,    // text = path
  Cancel,
  // Inspection (headless)
  Print,         // text = title
  PrintWindows,
  PrintStatus,
  PrintMenu,
  PrintToolbar,
  PrintClipboard,
};

struct UserEvent {
  EventType type = EventType::Command;
  int number = 0;
  int x = 0, y = 0;
  int width = 0, height = 0;
  WindowId window = 0;
  std::string text;  // window title, path, edit text
  // Of the windows titled exactly `text`, the one counted from 1 in the order
  // they were made (0 as 1); a script's "TITLE" #N.
  int titleRank = 0;
  ControlRef control;
  NodeRef node, target;  // tree events
  int sourceLine = 0;  // script line, for error messages
};

bool IsDialogEvent(EventType t);
bool IsMessageAnswer(EventType t);
bool IsFileAnswer(EventType t);

// Where user events come from. Next blocks until an event is there and returns
// nothing when no more will come (end of the script, or shutdown).
class EventSource {
 public:
  virtual ~EventSource() = default;
  virtual std::optional<UserEvent> Next() = 0;
  // The event could not be delivered where the user sent it.
  virtual void Reject(const UserEvent& event, const std::string& reason) = 0;
  // A long computation on the application thread tells how far it has come
  // (the third status-bar part); a back end with a live renderer shows it now.
  virtual void ShowProgress(const std::string& statusText) {}
  // Whether the user asked to stop the computation that runs now.
  virtual bool StopRequested() { return false; }
};

}  // namespace kora::platform
