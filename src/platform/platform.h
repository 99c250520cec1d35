// The services the engine asks of its surroundings: message boxes, modal
// dialogs, file dialogs, child windows, the clipboard, help and printing.
// One Platform instance lives on the application thread. A modal dialog or
// message box is a nested loop over the same event source; back ends differ
// only in where events come from and who is told about changes (observer).
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/user_event.h"

namespace kora::platform {

// Answers of the private window-kind query.
enum WindowKind : int {
  kPlotWindow = 1101,
  kReportWindow = 1102,
  kDuplicatePlotWindow = 1103,
  kDuplicateReportWindow = 1104,
};

struct ChildWindow {
  WindowId id = 0;
  int kind = kPlotWindow;
  std::string title;
  std::string text;     // report and duplicate-report windows: the whole text
  std::string picture;  // duplicate plot windows: the fixed picture (SVG)
  int ownerSlot = 0;
  bool minimized = false;
  bool maximized = false;
  // Position of the window in the client area and the size of its client
  // area (what a plot is painted into), pixels.
  int x = 0, y = 0, width = 480, height = 320;
  int normalX = 0, normalY = 0, normalWidth = 0, normalHeight = 0;  // kept while maximised
  unsigned revision = 0;                        // bumped on every change of contents
};

struct FileFilter {
  std::string name;     // "KORA Files (*.KRA)"
  std::string pattern;  // "*.KRA"
};

struct FileDialogOptions {
  bool save = false;
  std::string title;
  std::string initialName;
  std::vector<FileFilter> filters;
  std::string defaultExtension;  // appended when the chosen name has none
  bool mustExist = false;        // open: the file must exist
  bool overwritePrompt = false;  // save: the dialog asks before replacing a file
};

struct MessageBoxState {
  std::string caption;
  std::string text;
  bool yesNo = false;
  bool cancel = false;  // a question with Yes, No and Cancel
};

enum class Answer { Yes, No, Cancel };

// What a renderer or transcript is told. Every method has an empty default.
class PlatformObserver {
 public:
  virtual ~PlatformObserver() = default;
  virtual void WindowCreated(const ChildWindow&) {}
  virtual void WindowRetitled(const ChildWindow&, const std::string& oldTitle) {}
  virtual void WindowDestroyed(const ChildWindow&) {}
  virtual void WindowChanged(const ChildWindow&) {}
  virtual void DialogOpened(const Dialog&) {}
  virtual void DialogChanged(const Dialog&) {}
  virtual void DialogClosed(const Dialog&) {}
  virtual void MessageShown(const MessageBoxState&) {}
  virtual void MessageAnswered(const MessageBoxState&, EventType answer) {}
  virtual void FileDialogOpened(const FileDialogOptions&) {}
  virtual void FileDialogClosed(const FileDialogOptions&, const std::optional<std::string>& path) {}
  virtual void HelpRequested(const std::string& topic) {}
  virtual void PrintRequested(const ChildWindow&) {}
  virtual void ClipboardChanged() {}
  virtual void Output(const std::string& text) {}  // inspection output
};

// The application: receives everything that is not for a modal window.
class FrameHandler {
 public:
  virtual ~FrameHandler() = default;
  virtual void OnFrameEvent(const UserEvent& event) = 0;
  // A child window got the focus (by the user or by the program).
  virtual void OnWindowActivated(const ChildWindow& window) = 0;
};

// Thrown out of a modal loop when the event source has ended.
// Names the modal window that was waiting (a dialog's title, a message's text
// or a file dialog's title).
struct InputEnded : std::runtime_error {
  explicit InputEnded(const std::string& waiting)
      : std::runtime_error("input ended while a modal window was open"), waiting(waiting) {}
  std::string waiting;
};

struct Clipboard {
  std::optional<std::string> text;     // plain text, lines separated by CR LF
  std::optional<std::string> picture;  // a picture (SVG)
};

class Platform {
 public:
  Platform(EventSource& source, PlatformObserver& observer);

  void SetFrameHandler(FrameHandler* frame) { frame_ = frame; }
  // Runs the frame's message loop until the event source ends or Quit.
  void Run();
  void Quit() { quit_ = true; }

  // Message boxes
  void Message(const std::string& caption, const std::string& text);
  bool Ask(const std::string& caption, const std::string& text);  // Yes/No; true on Yes
  // Yes/No/Cancel; Escape and the close box answer Cancel.
  Answer AskYesNoCancel(const std::string& caption, const std::string& text);

  // Modal dialog: runs until a handler ends it; returns the end code.
  int RunDialog(Dialog& dialog);
  // File dialog: the chosen path, or nothing when cancelled.
  std::optional<std::string> ChooseFile(const FileDialogOptions& options);

  // Child windows
  WindowId CreateWindow(int kind, const std::string& title, int ownerSlot);
  void DestroyWindow(WindowId id);
  bool Exists(WindowId id) const { return id != 0 && windows_.count(id) != 0; }
  ChildWindow* Window(WindowId id);
  const ChildWindow* Window(WindowId id) const;
  std::string Title(WindowId id) const;
  void SetTitle(WindowId id, const std::string& title);
  void SetText(WindowId id, const std::string& text);
  void Invalidate(WindowId id);
  void Activate(WindowId id);  // brings to the front, gives the focus, tells the frame
  void Minimize(WindowId id);
  void Restore(WindowId id);
  void Maximize(WindowId id);
  void MoveWindow(WindowId id, int x, int y, int width, int height);
  WindowId Focused() const { return focused_; }
  // The most recently created window that is still open, 0 when none.
  WindowId NewestWindow() const { return windows_.empty() ? 0 : windows_.rbegin()->first; }
  // Counts every Activate, so a caller can tell whether some code activated a window.
  unsigned activations() const { return activations_; }
  // Open windows in creation order.
  std::vector<const ChildWindow*> Windows() const;
  // Front to back.
  const std::vector<WindowId>& ZOrder() const { return zOrder_; }
  // The next window in the stacking order becomes active (a desktop's Ctrl+F6).
  void ActivateNext(bool backwards);
  void Cascade();
  void Tile();
  void SetClientSize(int width, int height);
  // What a renderer adds around a window's client area (borders, title bar);
  // Cascade and Tile leave room for it.
  void SetFrameSize(int width, int height);
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }

  Clipboard& clipboard() { return clipboard_; }
  void SetClipboardText(std::string text);
  void SetClipboardPicture(std::string svg);

  // Called by a long computation while it runs: shows statusText as the third
  // status-bar part at once, and tells whether the user pressed Escape since
  // the computation began (cleared when the program next waits for input).
  void ShowProgress(const std::string& statusText) { source_.ShowProgress(statusText); }
  bool StopRequested() { return source_.StopRequested(); }

  void ShowHelp(const std::string& topic) { observer_.HelpRequested(topic); }
  void Print(WindowId id);
  void Output(const std::string& text) { observer_.Output(text); }

  // What is modal now, for renderers: innermost last.
  struct Modal {
    enum class Kind { Dialog, Message, File } kind = Kind::Dialog;
    Dialog* dialog = nullptr;
    MessageBoxState message;
    FileDialogOptions file;
  };
  const std::vector<Modal>& modals() const { return modals_; }

  EventSource& source() { return source_; }
  PlatformObserver& observer() { return observer_; }

 private:
  UserEvent NextModalEvent();
  // The question's loop: Yes or No, or Cancel when the box has that button.
  EventType Question(const std::string& caption, const std::string& text, bool cancel);
  // Pushes a modal window for the life of the guard, so that it is also
  // removed when the loop is left by an exception.
  struct ModalGuard {
    Platform& platform;
    ModalGuard(Platform& p, Modal modal) : platform(p) { platform.modals_.push_back(std::move(modal)); }
    ~ModalGuard() { platform.modals_.pop_back(); }
  };
  void DeliverToDialog(Dialog& dialog, const UserEvent& event);
  void MoveFocus(Dialog& dialog, int id);
  void BringToFront(WindowId id);

  EventSource& source_;
  PlatformObserver& observer_;
  FrameHandler* frame_ = nullptr;
  bool quit_ = false;
  std::map<WindowId, ChildWindow> windows_;
  std::vector<WindowId> zOrder_;
  WindowId nextWindowId_ = 1;
  WindowId focused_ = 0;
  unsigned activations_ = 0;
  int clientWidth_ = 1200, clientHeight_ = 760;
  int frameWidth_ = 8, frameHeight_ = 30;
  Clipboard clipboard_;
  std::vector<Modal> modals_;
};

}  // namespace kora::platform
