#include "platform/platform.h"

#include <algorithm>
#include <filesystem>

#include "platform/tree.h"

namespace kora::platform {

Platform::Platform(EventSource& source, PlatformObserver& observer) : source_(source), observer_(observer) {}

void Platform::Run() {
  while (!quit_) {
    auto event = source_.Next();
    if (!event) break;
    if (IsDialogEvent(event->type) || IsMessageAnswer(event->type) || IsFileAnswer(event->type)) {
      source_.Reject(*event, "nothing modal is open");
      continue;
    }
    if (frame_) frame_->OnFrameEvent(*event);
  }
}

UserEvent Platform::NextModalEvent() {
  for (;;) {
    auto event = source_.Next();
    if (!event) {
      const Modal& open = modals_.back();
      throw InputEnded(open.kind == Modal::Kind::Dialog    ? open.dialog->title()
                       : open.kind == Modal::Kind::Message ? open.message.text
                                                           : open.file.title);
    }
    // The desktop's size is no input to the modal window: a renderer resized
    // meanwhile still tells it, and it must not be lost.
    if (event->type == EventType::ClientSize && frame_) {
      frame_->OnFrameEvent(*event);
      continue;
    }
    return *event;
  }
}

void Platform::Message(const std::string& caption, const std::string& text) {
  Modal modal;
  modal.kind = Modal::Kind::Message;
  modal.message = {caption, text, false};
  ModalGuard guard(*this, modal);
  observer_.MessageShown(modal.message);
  for (;;) {
    UserEvent event = NextModalEvent();
    // Enter and Escape both close an OK box, as the OK button is its only button.
    if (event.type == EventType::Ok || event.type == EventType::Enter || event.type == EventType::Escape ||
        event.type == EventType::CloseDialog) {
      observer_.MessageAnswered(modal.message, EventType::Ok);
      return;
    }
    source_.Reject(event, "a message box is open (\"" + text + "\")");
  }
}

EventType Platform::Question(const std::string& caption, const std::string& text, bool cancel) {
  Modal modal;
  modal.kind = Modal::Kind::Message;
  modal.message = {caption, text, true, cancel};
  ModalGuard guard(*this, modal);
  observer_.MessageShown(modal.message);
  for (;;) {
    UserEvent event = NextModalEvent();
    if (cancel && (event.type == EventType::Escape || event.type == EventType::CloseDialog))
      event.type = EventType::Cancel;
    if (event.type == EventType::Yes || event.type == EventType::No || (cancel && event.type == EventType::Cancel)) {
      observer_.MessageAnswered(modal.message, event.type);
      return event.type;
    }
    source_.Reject(event, "a question is open (\"" + text + "\")");
  }
}

bool Platform::Ask(const std::string& caption, const std::string& text) {
  return Question(caption, text, false) == EventType::Yes;
}

Answer Platform::AskYesNoCancel(const std::string& caption, const std::string& text) {
  const EventType answer = Question(caption, text, true);
  return answer == EventType::Yes ? Answer::Yes : answer == EventType::No ? Answer::No : Answer::Cancel;
}

namespace {

// A save dialog appends its default extension to a name without one.
std::string WithDefaultExtension(const FileDialogOptions& options, std::string path) {
  if (!options.save || options.defaultExtension.empty()) return path;
  const auto slash = path.find_last_of('/');
  if (path.find('.', slash == std::string::npos ? 0 : slash + 1) == std::string::npos)
    path += "." + options.defaultExtension;
  return path;
}

}  // namespace

std::optional<std::string> Platform::ChooseFile(const FileDialogOptions& options) {
  Modal modal;
  modal.kind = Modal::Kind::File;
  modal.file = options;
  std::optional<ModalGuard> guard(std::in_place, *this, modal);
  observer_.FileDialogOpened(options);
  for (;;) {
    UserEvent event = NextModalEvent();
    if (event.type == EventType::File && options.mustExist && !std::filesystem::is_regular_file(event.text)) {
      // The dialog itself refuses a file that is not there and stays open.
      source_.Reject(event, "no file \"" + event.text + "\"");
      continue;
    }
    if (event.type == EventType::File && options.save && options.overwritePrompt &&
        std::filesystem::exists(WithDefaultExtension(options, event.text)) &&
        !Ask(options.title, WithDefaultExtension(options, event.text) + " already exists.\nDo you want to replace it?")) {
      continue;  // the dialog stays open for another name
    }
    if (event.type == EventType::File || event.type == EventType::Cancel) {
      guard.reset();
      std::optional<std::string> path;
      if (event.type == EventType::File) path = WithDefaultExtension(options, event.text);
      observer_.FileDialogClosed(options, path);
      return path;
    }
    source_.Reject(event, "a file dialog is open (\"" + options.title + "\")");
  }
}

int Platform::RunDialog(Dialog& dialog) {
  dialog.platform = this;
  if (dialog.focus() == 0) {
    for (const auto& c : dialog.controls()) {
      if (c.enabled && c.type != ControlType::Static && c.type != ControlType::Group &&
          c.type != ControlType::Picture) {
        dialog.SetFocus(c.id);
        break;
      }
    }
  }
  Modal modal;
  modal.kind = Modal::Kind::Dialog;
  modal.dialog = &dialog;
  std::optional<ModalGuard> guard(std::in_place, *this, modal);
  observer_.DialogOpened(dialog);
  dialog.OnInit();
  while (!dialog.ended()) {
    UserEvent event = NextModalEvent();
    if (!IsDialogEvent(event.type)) {
      source_.Reject(event, "the dialog \"" + dialog.title() + "\" is open");
      continue;
    }
    unsigned before = dialog.revision();
    DeliverToDialog(dialog, event);
    if (!dialog.ended() || dialog.revision() != before) observer_.DialogChanged(dialog);
  }
  guard.reset();
  observer_.DialogClosed(dialog);
  return dialog.result();
}

void Platform::MoveFocus(Dialog& dialog, int id) {
  int old = dialog.focus();
  dialog.SetFocus(id);
  dialog.Touch();
  if (old != 0 && old != id) dialog.OnLoseFocus(old);
}

void Platform::DeliverToDialog(Dialog& dialog, const UserEvent& event) {
  if (event.type == EventType::Enter) {
    const Control* focused = dialog.Find(dialog.focus());
    dialog.OnCommand(focused && focused->type == ControlType::Button ? focused->id : kIdOk);
    return;
  }
  if (event.type == EventType::Escape) {
    dialog.OnCommand(kIdCancel);
    return;
  }
  if (event.type == EventType::CloseDialog) {
    dialog.OnClose();
    return;
  }
  Control* control = event.control.label.empty() ? dialog.Find(event.control.id)
                                                 : dialog.FindByLabel(event.control.label);
  if (!control) {
    source_.Reject(event, "the dialog \"" + dialog.title() + "\" has no such control");
    return;
  }
  if (!control->enabled) {
    source_.Reject(event, "the control is greyed");
    return;
  }
  const int id = control->id;
  auto wrongType = [&](const char* what) { source_.Reject(event, std::string("the control is not ") + what); };
  dialog.Touch();
  switch (event.type) {
    case EventType::SetText:
      if (control->type != ControlType::Edit && control->type != ControlType::Combo) return wrongType("an edit field");
      control->text = event.text;
      dialog.OnChange(id);
      return;
    case EventType::Focus:
      MoveFocus(dialog, id);
      return;
    case EventType::Check:
      if (control->type != ControlType::Check) return wrongType("a check box");
      MoveFocus(dialog, id);
      control = dialog.Find(id);
      control->checked = event.number != 0;
      dialog.OnCommand(id);
      return;
    case EventType::Radio: {
      if (control->type != ControlType::Radio) return wrongType("a radio button");
      const int group = control->group;
      MoveFocus(dialog, id);
      for (auto& c : dialog.controls())
        if (c.type == ControlType::Radio && c.group == group) c.checked = (c.id == id);
      dialog.OnCommand(id);
      return;
    }
    case EventType::Select:
      if (control->type != ControlType::List && control->type != ControlType::Combo) return wrongType("a list");
      if (event.number < 1 || event.number > static_cast<int>(control->items.size()))
        return source_.Reject(event, "the list has no such entry");
      control->selected = event.number - 1;
      if (control->type == ControlType::Combo) control->text = control->items[control->selected];
      dialog.OnSelect(id);
      return;
    case EventType::Slider:
      if (control->type != ControlType::Slider) return wrongType("a slider");
      control->sliderPos = std::clamp(event.number, control->sliderMin, control->sliderMax);
      dialog.OnSlider(id);
      return;
    case EventType::TreeSelect:
    case EventType::TreeExpand:
    case EventType::TreeRename:
    case EventType::TreeDrag:
      if (control->type != ControlType::Tree) return wrongType("a tree");
      MoveFocus(dialog, id);
      if (dialog.ended() || dialog.focus() != id) return;
      return DeliverTreeEvent(dialog, *dialog.Find(id), event,
                              [&](const std::string& why) { source_.Reject(event, why); });
    case EventType::Click:
      MoveFocus(dialog, id);
      // A control that refused to give up the focus (its value was rejected)
      // keeps it, and the click does not press the button.
      if (dialog.ended() || dialog.focus() != id) return;
      control = dialog.Find(id);
      if (control->type == ControlType::Check) control->checked = !control->checked;
      if (control->type == ControlType::Radio)
        for (auto& c : dialog.controls())
          if (c.type == ControlType::Radio && c.group == control->group) c.checked = (c.id == id);
      dialog.OnCommand(id);
      return;
    default:
      return;
  }
}

WindowId Platform::CreateWindow(int kind, const std::string& title, int ownerSlot) {
  ChildWindow w;
  w.id = nextWindowId_++;
  w.kind = kind;
  w.title = title;
  w.ownerSlot = ownerSlot;
  // Default positions cascade like a desktop's default placement.
  const int step = 24 * (static_cast<int>(windows_.size()) % 12);
  w.x = step;
  w.y = step;
  w.width = std::min(560, clientWidth_ - w.x);
  w.height = std::min(380, clientHeight_ - w.y);
  auto& stored = windows_[w.id] = w;
  zOrder_.insert(zOrder_.begin(), w.id);
  observer_.WindowCreated(stored);
  return w.id;
}

void Platform::DestroyWindow(WindowId id) {
  auto it = windows_.find(id);
  if (it == windows_.end()) return;
  ChildWindow gone = it->second;
  windows_.erase(it);
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), id), zOrder_.end());
  observer_.WindowDestroyed(gone);
  if (focused_ == id) {
    focused_ = 0;
    // The next child in the stacking order becomes active.
    for (WindowId next : zOrder_) {
      if (!windows_[next].minimized) {
        Activate(next);
        break;
      }
    }
  }
}

ChildWindow* Platform::Window(WindowId id) {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

const ChildWindow* Platform::Window(WindowId id) const {
  auto it = windows_.find(id);
  return it == windows_.end() ? nullptr : &it->second;
}

std::string Platform::Title(WindowId id) const {
  const ChildWindow* w = Window(id);
  return w ? w->title : std::string();
}

void Platform::SetTitle(WindowId id, const std::string& title) {
  ChildWindow* w = Window(id);
  if (!w || w->title == title) return;
  std::string old = w->title;
  w->title = title;
  ++w->revision;
  observer_.WindowRetitled(*w, old);
}

void Platform::SetText(WindowId id, const std::string& text) {
  ChildWindow* w = Window(id);
  if (!w) return;
  w->text = text;
  ++w->revision;
  observer_.WindowChanged(*w);
}

void Platform::Invalidate(WindowId id) {
  ChildWindow* w = Window(id);
  if (!w) return;
  ++w->revision;
  observer_.WindowChanged(*w);
}

void Platform::BringToFront(WindowId id) {
  zOrder_.erase(std::remove(zOrder_.begin(), zOrder_.end(), id), zOrder_.end());
  zOrder_.insert(zOrder_.begin(), id);
}

void Platform::Activate(WindowId id) {
  ChildWindow* w = Window(id);
  if (!w) return;
  BringToFront(id);
  ++activations_;
  const bool changed = focused_ != id;
  focused_ = id;
  if (changed) observer_.WindowChanged(*w);
  if (frame_) frame_->OnWindowActivated(*w);
}

void Platform::Minimize(WindowId id) {
  ChildWindow* w = Window(id);
  if (!w || w->minimized) return;
  w->minimized = true;
  ++w->revision;
  observer_.WindowChanged(*w);
}

void Platform::Restore(WindowId id) {
  ChildWindow* w = Window(id);
  if (!w || (!w->minimized && !w->maximized)) return;
  if (w->maximized && !w->minimized && w->normalWidth > 0) {
    w->x = w->normalX;
    w->y = w->normalY;
    w->width = w->normalWidth;
    w->height = w->normalHeight;
  }
  w->minimized = false;
  w->maximized = false;
  ++w->revision;
  observer_.WindowChanged(*w);
}

void Platform::Maximize(WindowId id) {
  ChildWindow* w = Window(id);
  if (!w) return;
  if (!w->maximized) {
    w->normalX = w->x;
    w->normalY = w->y;
    w->normalWidth = w->width;
    w->normalHeight = w->height;
  }
  w->minimized = false;
  w->maximized = true;
  ++w->revision;
  observer_.WindowChanged(*w);
}

void Platform::MoveWindow(WindowId id, int x, int y, int width, int height) {
  ChildWindow* w = Window(id);
  if (!w) return;
  w->x = x;
  w->y = y;
  w->width = std::max(width, 120);
  w->height = std::max(height, 60);
  ++w->revision;
  observer_.WindowChanged(*w);
}

std::vector<const ChildWindow*> Platform::Windows() const {
  std::vector<const ChildWindow*> all;
  for (const auto& [id, w] : windows_) all.push_back(&w);
  return all;
}

void Platform::ActivateNext(bool backwards) {
  if (zOrder_.empty()) return;
  // Backwards brings the hindmost window forward; forwards sends the active
  // one behind all others, so that repeating either visits every window.
  if (!backwards && zOrder_.size() > 1 && focused_ == zOrder_.front()) {
    zOrder_.erase(zOrder_.begin());
    zOrder_.push_back(focused_);
    observer_.WindowChanged(windows_[focused_]);
  }
  Activate(backwards ? zOrder_.back() : zOrder_.front());
}

void Platform::Cascade() {
  const int width = std::max(240, clientWidth_ * 2 / 3 - frameWidth_);
  const int height = std::max(160, clientHeight_ * 2 / 3 - frameHeight_);
  // As many steps as keep a whole frame inside the client area; then the
  // cascade starts again at the corner.
  constexpr int kStep = 24;
  const int room = std::min(clientWidth_ - width - frameWidth_, clientHeight_ - height - frameHeight_);
  const int steps = std::max(1, room / kStep + 1);
  int k = 0;
  // Back to front, so the active window ends on top of the cascade.
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it) {
    ChildWindow& w = windows_[*it];
    if (w.minimized) continue;
    w.maximized = false;
    w.x = w.y = kStep * (k % steps);
    w.width = width;
    w.height = height;
    ++w.revision;
    observer_.WindowChanged(w);
    ++k;
  }
}

void Platform::Tile() {
  std::vector<WindowId> shown;
  for (WindowId id : zOrder_)
    if (!windows_[id].minimized) shown.push_back(id);
  if (shown.empty()) return;
  // Columns side by side, about as many as rows; the first columns (where the
  // active window stands) hold one window fewer when they cannot all be equal.
  const int n = static_cast<int>(shown.size());
  int columns = 1;
  while (columns * columns < n) ++columns;
  const int slotWidth = clientWidth_ / columns;
  int i = 0;
  for (int c = 0; c < columns; ++c) {
    const int rows = n / columns + (c >= columns - n % columns ? 1 : 0);
    for (int r = 0; r < rows; ++r, ++i) {
      ChildWindow& w = windows_[shown[i]];
      w.maximized = false;
      w.x = c * slotWidth;
      w.y = r * (clientHeight_ / rows);
      w.width = std::max(1, slotWidth - frameWidth_);
      w.height = std::max(1, clientHeight_ / rows - frameHeight_);
      ++w.revision;
      observer_.WindowChanged(w);
    }
  }
}

void Platform::SetClientSize(int width, int height) {
  clientWidth_ = std::max(width, 200);
  clientHeight_ = std::max(height, 150);
}

void Platform::SetFrameSize(int width, int height) {
  frameWidth_ = std::clamp(width, 0, 200);
  frameHeight_ = std::clamp(height, 0, 200);
}

void Platform::SetClipboardText(std::string text) {
  clipboard_.text = std::move(text);
  clipboard_.picture.reset();
  observer_.ClipboardChanged();
}

void Platform::SetClipboardPicture(std::string svg) {
  clipboard_.picture = std::move(svg);
  clipboard_.text.reset();
  observer_.ClipboardChanged();
}

void Platform::Print(WindowId id) {
  if (const ChildWindow* w = Window(id)) observer_.PrintRequested(*w);
}

}  // namespace kora::platform
