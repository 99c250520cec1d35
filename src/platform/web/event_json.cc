#include "platform/web/event_json.h"

#include <map>
#include <nlohmann/json.hpp>

namespace kora::platform {

namespace {

using nlohmann::json;

// Limits on what one event may carry.
constexpr size_t kMaxText = 1 << 20;
constexpr int kMaxCoordinate = 100000;

struct Reader {
  const json& j;
  std::string error;

  int Int(const char* key, int lo, int hi) {
    if (!error.empty()) return 0;
    auto it = j.find(key);
    if (it == j.end() || !it->is_number_integer()) {
      error = std::string("\"") + key + "\" must be an integer";
      return 0;
    }
    auto v = it->get<long long>();
    if (v < lo || v > hi) {
      error = std::string("\"") + key + "\" is out of range";
      return 0;
    }
    return static_cast<int>(v);
  }

  std::string Text(const char* key) {
    if (!error.empty()) return {};
    auto it = j.find(key);
    if (it == j.end() || !it->is_string()) {
      error = std::string("\"") + key + "\" must be a string";
      return {};
    }
    auto s = it->get<std::string>();
    if (s.size() > kMaxText) error = std::string("\"") + key + "\" is too long";
    return s;
  }

  bool Bool(const char* key) {
    if (!error.empty()) return false;
    auto it = j.find(key);
    if (it == j.end() || !it->is_boolean()) {
      error = std::string("\"") + key + "\" must be true or false";
      return false;
    }
    return it->get<bool>();
  }
};

}  // namespace

std::variant<UserEvent, std::string> ParseEventJson(std::string_view body) {
  json j = json::parse(body, nullptr, false);
  if (j.is_discarded() || !j.is_object()) return std::string("the event is not a JSON object");
  auto typeIt = j.find("type");
  if (typeIt == j.end() || !typeIt->is_string()) return std::string("the event has no type");
  const std::string type = typeIt->get<std::string>();
  Reader r{j, {}};
  UserEvent e;
  auto window = [&] { e.window = r.Int("window", 1, 1 << 30); };
  auto control = [&] { e.control.id = r.Int("control", 0, 1 << 30); };

  static const std::map<std::string, EventType> plain = {
      {"enter", EventType::Enter}, {"escape", EventType::Escape}, {"close-dialog", EventType::CloseDialog},
      {"ok", EventType::Ok},       {"yes", EventType::Yes},       {"no", EventType::No},
      {"cancel", EventType::Cancel}};
  static const std::map<std::string, EventType> windowEvents = {
      {"activate", EventType::Activate}, {"close-window", EventType::CloseWindow},
      {"minimize", EventType::MinimizeWindow}, {"restore", EventType::RestoreWindow},
      {"maximize", EventType::MaximizeWindow}};

  if (auto it = plain.find(type); it != plain.end()) {
    e.type = it->second;
  } else if (auto w = windowEvents.find(type); w != windowEvents.end()) {
    e.type = w->second;
    window();
  } else if (type == "command") {
    e.type = EventType::Command;
    e.number = r.Int("id", 0, 65535);
  } else if (type == "move") {
    e.type = EventType::MoveWindow;
    window();
    e.x = r.Int("x", -kMaxCoordinate, kMaxCoordinate);
    e.y = r.Int("y", -kMaxCoordinate, kMaxCoordinate);
    e.width = r.Int("width", 1, kMaxCoordinate);
    e.height = r.Int("height", 1, kMaxCoordinate);
  } else if (type == "mouse") {
    const std::string action = r.Text("action");
    if (action == "down") e.type = EventType::MouseDown;
    else if (action == "move") e.type = EventType::MouseMove;
    else if (action == "up") e.type = EventType::MouseUp;
    else if (action == "wheel-up" || action == "wheel-down") e.type = EventType::MouseDown;
    else if (r.error.empty()) r.error = "\"action\" must be down, move, up, wheel-up or wheel-down";
    e.number = j.contains("button") ? r.Int("button", 1, 2) : 1;
    // One wheel notch arrives as a press of button 4 (away from the user) or 5.
    if (action == "wheel-up") e.number = 4;
    if (action == "wheel-down") e.number = 5;
    window();
    e.x = r.Int("x", -kMaxCoordinate, kMaxCoordinate);
    e.y = r.Int("y", -kMaxCoordinate, kMaxCoordinate);
  } else if (type == "set") {
    e.type = EventType::SetText;
    control();
    e.text = r.Text("text");
  } else if (type == "focus" || type == "radio" || type == "click") {
    e.type = type == "focus" ? EventType::Focus : type == "radio" ? EventType::Radio : EventType::Click;
    control();
  } else if (type == "check") {
    e.type = EventType::Check;
    control();
    e.number = r.Bool("on") ? 1 : 0;
  } else if (type == "select") {
    e.type = EventType::Select;
    control();
    e.number = r.Int("index", 1, 1 << 30);
  } else if (type == "slider") {
    e.type = EventType::Slider;
    control();
    e.number = r.Int("pos", -(1 << 30), 1 << 30);
  } else if (type.starts_with("tree-")) {
    static const std::map<std::string, EventType> treeEvents = {
        {"tree-select", EventType::TreeSelect}, {"tree-expand", EventType::TreeExpand},
        {"tree-rename", EventType::TreeRename}, {"tree-drag", EventType::TreeDrag}};
    auto it = treeEvents.find(type);
    if (it == treeEvents.end()) return "unknown event type \"" + type + "\"";
    e.type = it->second;
    control();
    e.node.key = r.Int("node", 1, 1 << 30);
    if (e.type == EventType::TreeExpand) e.number = r.Bool("on") ? 1 : 0;
    if (e.type == EventType::TreeRename) e.text = r.Text("text");
    if (e.type == EventType::TreeDrag) e.target.key = r.Int("target", 1, 1 << 30);
  } else if (type == "file") {
    e.type = EventType::File;
    e.text = r.Text("path");
    if (r.error.empty() && (e.text.empty() || e.text.find('\0') != std::string::npos)) r.error = "bad path";
  } else if (type == "clipboard") {
    e.type = EventType::SetClipboard;
    e.text = r.Text("text");
  } else if (type == "picture") {
    e.type = EventType::PictureData;
    e.number = r.Int("serial", 0, 2147483647);
    e.text = r.Text("data");
  } else if (type == "client-size") {
    e.type = EventType::ClientSize;
    e.width = r.Int("width", 1, kMaxCoordinate);
    e.height = r.Int("height", 1, kMaxCoordinate);
    // Optional: what the page draws around each window's client area.
    e.x = j.contains("frameWidth") ? r.Int("frameWidth", 0, 200) : -1;
    e.y = j.contains("frameHeight") ? r.Int("frameHeight", 0, 200) : -1;
  } else {
    return "unknown event type \"" + type + "\"";
  }
  if (!r.error.empty()) return r.error;
  return e;
}

}  // namespace kora::platform
