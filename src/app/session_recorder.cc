#include "app/session_recorder.h"

#include "app/script_line.h"

namespace kora {

using platform::EventType;

std::optional<platform::UserEvent> SessionRecorder::Next() {
  // Asked for the next event, the application has delivered the last one.
  if (pending_) {
    // Of a run of mouse moves in one window only the last counts: a gesture
    // ends where the mouse was last, and the moves between leave nothing.
    if (!pending_->movedIn.empty() && pending_->movedIn == lastMovedIn_)
      lines_.back() = std::move(pending_->text);
    else
      lines_.push_back(std::move(pending_->text));
    lastMovedIn_ = pending_->movedIn;
    pending_.reset();
  }
  auto event = source_.Next();
  if (event && leftOut_ == 0) pending_ = LineFor(*event);
  return event;
}

void SessionRecorder::Reject(const platform::UserEvent& event, const std::string& reason) {
  pending_.reset();
  source_.Reject(event, reason);
}

std::optional<SessionRecorder::Line> SessionRecorder::LineFor(const platform::UserEvent& event) {
  ScriptLineContext context;
  if (ui_) {
    if (event.window) {
      context.windowTitle = ui_->Title(event.window);
      // Windows of one title go by their rank in the order they were made, as a script names them.
      context.windowRank = 0;
      for (const platform::ChildWindow* w : ui_->Windows())
        if (w->id <= event.window && w->title == context.windowTitle) ++context.windowRank;
    }
    const auto& modals = ui_->modals();
    if (!modals.empty() && modals.back().kind == platform::Platform::Modal::Kind::Dialog)
      context.dialog = modals.back().dialog;
  }
  auto text = ScriptLine(event, context);
  if (!text) return std::nullopt;
  const bool move = event.type == EventType::MouseMove;
  return Line{std::move(*text), move ? (event.window ? context.windowTitle : event.text) : std::string()};
}

}  // namespace kora
