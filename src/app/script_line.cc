#include "app/script_line.h"

#include <filesystem>
#include <map>

#include "app/command_names.h"
#include "platform/text.h"
#include "platform/tree.h"

namespace kora {

using platform::EventType;
using platform::UserEvent;

namespace {

// The rest of a line as the reader takes it: in quotes when blanks at its ends
// or quotes around it would otherwise be lost.
std::string RestOfLine(const std::string& text) {
  const bool quotedAlready = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  if (text.empty() || Trim(text).size() != text.size() || quotedAlready) return "\"" + text + "\"";
  return text;
}

// Clipboard text keeps its line breaks and tabs as the reader's escapes.
std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

// A path inside the folder KORA works in is written relative to it.
std::string RelativePath(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path p(path);
  if (!p.is_absolute()) return path;
  const fs::path relative = p.lexically_relative(fs::current_path(ec));
  if (ec || relative.empty() || *relative.begin() == "..") return path;
  return relative.generic_string();
}

// A control by its label when the label names it alone in the dialog, else by its id.
std::string ControlName(const platform::ControlRef& ref, platform::Dialog* dialog) {
  platform::Control* control = nullptr;
  if (dialog) control = ref.label.empty() ? dialog->Find(ref.id) : dialog->FindByLabel(ref.label);
  if (!control) return ref.label.empty() ? std::to_string(ref.id) : QuotedWord(ref.label);
  const std::string_view label = Trim(control->label);
  int namesakes = 0;
  for (const auto& c : dialog->controls())
    if (c.type != platform::ControlType::Static && Trim(c.label) == label) ++namesakes;
  if (!label.empty() && namesakes == 1 && dialog->FindByLabel(label) == control)
    return QuotedWord(std::string(label));
  return std::to_string(control->id);
}

// The labels from the top of the tree down to the node with the key, joined by " > ".
bool NodePath(const std::vector<platform::TreeNode>& nodes, int key, std::string& path) {
  for (const auto& node : nodes) {
    const size_t size = path.size();
    path += (path.empty() ? "" : platform::kNodePathSeparator) + node.label;
    if (node.key == key || NodePath(node.children, key, path)) return true;
    path.resize(size);
  }
  return false;
}

// A tree node by its path of labels (a script names nodes so, the page by their keys).
std::string NodeName(const platform::NodeRef& ref, const platform::ControlRef& tree,
                     platform::Dialog* dialog) {
  std::string path = ref.path;
  if (path.empty() && dialog) {
    const platform::Control* control =
        tree.label.empty() ? dialog->Find(tree.id) : dialog->FindByLabel(tree.label);
    if (control) NodePath(control->nodes, ref.key, path);
  }
  return QuotedWord(path);
}

}  // namespace

std::string QuotedWord(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::optional<std::string> ScriptLine(const UserEvent& event, const ScriptLineContext& context) {
  static const std::map<EventType, const char*> plain = {
      {EventType::Enter, "enter"},  {EventType::Escape, "escape"}, {EventType::CloseDialog, "close"},
      {EventType::Ok, "ok"},        {EventType::Yes, "yes"},       {EventType::No, "no"},
      {EventType::Cancel, "cancel"}};
  static const std::map<EventType, const char*> onWindow = {{EventType::Activate, "activate "},
                                                            {EventType::CloseWindow, "close-window "},
                                                            {EventType::MinimizeWindow, "minimize "},
                                                            {EventType::RestoreWindow, "restore "},
                                                            {EventType::MaximizeWindow, "maximize "}};
  static const std::map<EventType, const char*> onControl = {
      {EventType::Focus, "focus "}, {EventType::Radio, "radio "}, {EventType::Click, "click "}};
  const int rank = event.window ? context.windowRank : event.titleRank;
  const std::string window = QuotedWord(event.window ? context.windowTitle : event.text) +
                             (rank > 1 ? " #" + std::to_string(rank) : "");
  const std::string control = ControlName(event.control, context.dialog);
  const auto number = [](int n) { return " " + std::to_string(n); };
  const auto node = [&] { return NodeName(event.node, event.control, context.dialog); };
  if (auto it = plain.find(event.type); it != plain.end()) return it->second;
  if (auto it = onWindow.find(event.type); it != onWindow.end()) return it->second + window;
  if (auto it = onControl.find(event.type); it != onControl.end()) return it->second + control;
  switch (event.type) {
    case EventType::Command: {
      const std::string name = CommandName(event.number);
      return "command " + (name.empty() ? std::to_string(event.number) : name);
    }
    case EventType::ResizeWindow:
      return "resize " + window + number(event.x) + number(event.y);
    case EventType::MoveWindow:
      return "move " + window + number(event.x) + number(event.y) + number(event.width) +
             number(event.height);
    case EventType::ClientSize:
      return "client-size" + number(event.width) + number(event.height) +
             (event.x >= 0 && event.y >= 0 ? number(event.x) + number(event.y) : "");
    case EventType::MouseDown:
    case EventType::MouseMove:
    case EventType::MouseUp: {
      const char* action = event.type == EventType::MouseMove ? "move"
                           : event.type == EventType::MouseUp ? "up"
                           : event.number == 2                ? "right"
                           : event.number == 4                ? "wheel-up"
                           : event.number == 5                ? "wheel-down"
                                                              : "down";
      return std::string("mouse ") + action + " " + window + number(event.x) + number(event.y);
    }
    case EventType::SetClipboard:
      return "clipboard " + RestOfLine(Escaped(event.text));
    case EventType::SetText:
      return "set " + control + " " + RestOfLine(event.text);
    case EventType::Check:
      return "check " + control + (event.number ? " on" : " off");
    case EventType::Select:
      return "select " + control + number(event.number);
    case EventType::Slider:
      return "slider " + control + number(event.number);
    case EventType::File:
      return "file " + RestOfLine(RelativePath(event.text));
    case EventType::TreeSelect:
      return "tree-select " + control + " " + node();
    case EventType::TreeExpand:
      return "tree-expand " + control + " " + node() + (event.number ? " on" : " off");
    case EventType::TreeRename:
      return "tree-rename " + control + " " + node() + " " + QuotedWord(event.text);
    case EventType::TreeDrag:
      return "tree-drag " + control + " " + node() + " " +
             NodeName(event.target, event.control, context.dialog);
    default:
      // Inspection changes nothing. A PNG the page drew for Save Picture has
      // no line: headless, no page draws it (SVG pictures are written again).
      return std::nullopt;
  }
}

}  // namespace kora
