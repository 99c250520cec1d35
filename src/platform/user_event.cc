#include "platform/user_event.h"

namespace kora::platform {

bool IsDialogEvent(EventType t) {
  switch (t) {
    case EventType::SetText:
    case EventType::Focus:
    case EventType::Check:
    case EventType::Radio:
    case EventType::Select:
    case EventType::Slider:
    case EventType::Click:
    case EventType::TreeSelect:
    case EventType::TreeExpand:
    case EventType::TreeRename:
    case EventType::TreeDrag:
    case EventType::Enter:
    case EventType::Escape:
    case EventType::CloseDialog:
      return true;
    default:
      return false;
  }
}

bool IsMessageAnswer(EventType t) { return t == EventType::Ok || t == EventType::Yes || t == EventType::No; }

bool IsFileAnswer(EventType t) { return t == EventType::File || t == EventType::Cancel; }

}  // namespace kora::platform
