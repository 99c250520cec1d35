#include "app/script_reader.h"

#include <map>

#include "app/command_names.h"
#include "platform/text.h"
#include "report/number_parse.h"

namespace kora {

using platform::EventType;
using platform::UserEvent;

namespace {

// Splits off the next word or double-quoted string.
struct Cursor {
  std::string_view rest;

  bool AtEnd() { return Trim(rest).empty(); }

  std::optional<std::string> Word(bool* quoted = nullptr) {
    rest = Trim(rest);
    if (rest.empty()) return std::nullopt;
    if (rest.front() == '"') {
      // Inside quotes \" stands for a quote and \\ for a backslash.
      std::string word;
      for (size_t i = 1; i < rest.size(); ++i) {
        if (rest[i] == '"') {
          rest.remove_prefix(i + 1);
          if (quoted) *quoted = true;
          return word;
        }
        if (rest[i] == '\\' && i + 1 < rest.size() && (rest[i + 1] == '"' || rest[i + 1] == '\\')) ++i;
        word += rest[i];
      }
      return std::nullopt;
    }
    auto end = rest.find_first_of(" \t");
    std::string word(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    if (quoted) *quoted = false;
    return word;
  }

  // The rest of the line as one text: a quoted string, or the words as they stand.
  std::string Text() {
    std::string_view t = Trim(rest);
    rest = {};
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') return std::string(t.substr(1, t.size() - 2));
    return std::string(t);
  }
};

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size()) {
      char c = text[++i];
      out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

UserEvent ParseScriptLine(const std::string& line, int lineNumber) {
  Cursor cursor{line};
  UserEvent event;
  event.sourceLine = lineNumber;
  const std::string verb = cursor.Word().value_or("");
  auto fail = [&](const std::string& why) -> UserEvent { throw ScriptError(lineNumber, why); };
  auto number = [&](const char* what) -> int {
    auto word = cursor.Word();
    auto value = word ? ReadFirstInteger(*word) : std::nullopt;
    if (!value) fail(std::string("expected ") + what);
    return *value;
  };
  auto control = [&] {
    bool quoted = false;
    auto word = cursor.Word(&quoted);
    if (!word) fail("expected a control");
    if (!quoted)
      if (auto id = ReadFirstInteger(*word)) {
        event.control.id = *id;
        return;
      }
    event.control.label = *word;
  };
  auto window = [&] {
    auto title = cursor.Word();
    if (!title) fail("expected a window title");
    event.text = *title;
    // "TITLE" #N: the N-th of the windows with that title.
    Cursor next = cursor;
    if (auto rank = next.Word(); rank && rank->size() > 1 && rank->front() == '#') {
      auto n = ReadFirstInteger(rank->substr(1));
      if (!n || *n < 1) fail("expected a window number after #");
      event.titleRank = *n;
      cursor = next;
    }
  };

  static const std::map<std::string, EventType> simple = {
      {"enter", EventType::Enter},         {"escape", EventType::Escape},
      {"close", EventType::CloseDialog},   {"ok", EventType::Ok},
      {"yes", EventType::Yes},             {"no", EventType::No},
      {"cancel", EventType::Cancel},       {"print-windows", EventType::PrintWindows},
      {"print-status", EventType::PrintStatus}, {"print-menu", EventType::PrintMenu},
      {"print-toolbar", EventType::PrintToolbar}, {"print-clipboard", EventType::PrintClipboard},
  };
  if (auto it = simple.find(verb); it != simple.end()) {
    event.type = it->second;
  } else if (verb == "command") {
    event.type = EventType::Command;
    const std::string word = cursor.Word().value_or("");
    if (auto id = ReadFirstInteger(word)) {
      event.number = *id;
    } else if (const CommandEntry* entry = FindCommandByName(word)) {
      event.number = entry->id;
    } else {
      fail(word.empty() ? "expected a command id or name" : "no command \"" + word + "\"");
    }
  } else if (verb == "activate" || verb == "close-window" || verb == "minimize" || verb == "restore" ||
             verb == "maximize" || verb == "print") {
    event.type = verb == "activate"       ? EventType::Activate
                 : verb == "close-window" ? EventType::CloseWindow
                 : verb == "minimize"     ? EventType::MinimizeWindow
                 : verb == "restore"      ? EventType::RestoreWindow
                 : verb == "maximize"     ? EventType::MaximizeWindow
                                          : EventType::Print;
    window();
  } else if (verb == "resize") {
    event.type = EventType::ResizeWindow;
    window();
    event.x = number("a width");
    event.y = number("a height");
  } else if (verb == "move") {
    event.type = EventType::MoveWindow;
    window();
    event.x = number("an x position");
    event.y = number("a y position");
    event.width = number("a width");
    event.height = number("a height");
  } else if (verb == "client-size") {
    // The desktop's client area, and optionally what frames each window's client area.
    event.type = EventType::ClientSize;
    event.width = number("a width");
    event.height = number("a height");
    event.x = event.y = -1;
    if (!cursor.AtEnd()) {
      event.x = number("a frame width");
      event.y = number("a frame height");
    }
  } else if (verb == "mouse") {
    const std::string what = cursor.Word().value_or("");
    if (what == "down") event.type = EventType::MouseDown;
    else if (what == "move") event.type = EventType::MouseMove;
    else if (what == "up") event.type = EventType::MouseUp;
    else if (what == "right") event.type = EventType::MouseDown, event.number = 2;
    else if (what == "wheel-up") event.type = EventType::MouseDown, event.number = 4;
    else if (what == "wheel-down") event.type = EventType::MouseDown, event.number = 5;
    else fail("expected mouse down, move, up, right, wheel-up or wheel-down");
    if (event.number == 0) event.number = 1;
    window();
    event.x = number("an x position");
    event.y = number("a y position");
  } else if (verb == "set") {
    event.type = EventType::SetText;
    control();
    event.text = cursor.Text();
  } else if (verb == "focus" || verb == "radio" || verb == "click") {
    event.type = verb == "focus" ? EventType::Focus : verb == "radio" ? EventType::Radio : EventType::Click;
    control();
  } else if (verb == "check") {
    event.type = EventType::Check;
    control();
    const std::string state = cursor.Word().value_or("");
    if (state != "on" && state != "off") fail("expected on or off");
    event.number = state == "on";
  } else if (verb == "select" || verb == "slider") {
    event.type = verb == "select" ? EventType::Select : EventType::Slider;
    control();
    event.number = number(verb == "select" ? "an entry number" : "a position");
  } else if (verb.starts_with("tree-")) {
    static const std::map<std::string, EventType> treeActions = {
        {"tree-select", EventType::TreeSelect}, {"tree-expand", EventType::TreeExpand},
        {"tree-rename", EventType::TreeRename}, {"tree-drag", EventType::TreeDrag}};
    auto it = treeActions.find(verb);
    if (it == treeActions.end()) fail("unknown action \"" + verb + "\"");
    event.type = it->second;
    control();
    event.node.path = cursor.Word().value_or("");
    if (event.node.path.empty()) fail("expected a node path");
    if (event.type == EventType::TreeExpand) {
      const std::string state = cursor.Word().value_or("");
      if (state != "on" && state != "off") fail("expected on or off");
      event.number = state == "on";
    } else if (event.type == EventType::TreeRename) {
      auto text = cursor.Word();
      if (!text) fail("expected the new label");
      event.text = *text;
    } else if (event.type == EventType::TreeDrag) {
      event.target.path = cursor.Word().value_or("");
      if (event.target.path.empty()) fail("expected the node to drop on");
    }
  } else if (verb == "file") {
    event.type = EventType::File;
    event.text = cursor.Text();
    if (event.text.empty()) fail("expected a path");
  } else if (verb == "clipboard") {
    event.type = EventType::SetClipboard;
    event.text = Unescape(cursor.Text());
  } else {
    fail("unknown action \"" + verb + "\"");
  }
  if (!cursor.AtEnd()) fail("unexpected text after the action");
  return event;
}

ScriptEventSource::ScriptEventSource(std::istream& in, std::function<void(const std::string&)> echo)
    : in_(in), echo_(std::move(echo)) {}

std::optional<UserEvent> ScriptEventSource::Next() {
  std::string line;
  while (std::getline(in_, line)) {
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    if (echo_) echo_(std::string(trimmed));
    return ParseScriptLine(std::string(trimmed), lineNumber_);
  }
  return std::nullopt;
}

void ScriptEventSource::Reject(const UserEvent& event, const std::string& reason) {
  throw ScriptError(event.sourceLine, "cannot be delivered: " + reason);
}

}  // namespace kora
