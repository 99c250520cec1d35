// The dialog model: a modal dialog is a list of controls with ids, texts and
// states, plus the handlers that react to the user's events on them. Back ends
// only render the model and deliver events; all behaviour lives in handlers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kora::platform {

class Platform;

enum class ControlType { Static, Edit, Button, Check, Radio, Group, List, Combo, Slider, Picture, Tree };

// One node of a tree control. Nodes are named by keys the dialog chooses,
// unique in their tree, so that events stay unambiguous when labels repeat.
struct TreeNode {
  int key = 0;
  std::string label;
  bool expanded = true;
  bool editable = false;    // the label can be edited in place
  bool draggable = false;   // the node can be dragged onto a drop target
  bool dropTarget = false;
  std::vector<TreeNode> children;
};

// Identifiers of the two standard buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct Control {
  int id = 0;
  ControlType type = ControlType::Static;
  std::string label;  // caption of a button or box, prompt of an edit field, text of a static
  std::string text;   // contents of an edit field
  bool checked = false;
  bool enabled = true;
  std::vector<std::string> items;  // list and combo entries
  int selected = -1;               // index into items, -1 none
  int sliderMin = 0, sliderMax = 0, sliderPos = 0;
  int group = 0;  // radio buttons with the same group exclude each other
  // Layout in dialog units, for renderers that draw the dialog.
  int x = 0, y = 0, width = 0, height = 0;
  std::string picture;  // an SVG picture for Picture controls
  std::vector<TreeNode> nodes;  // top-level nodes of a Tree control
  int selectedNode = 0;         // key of the selected tree node, 0 none
};

class Dialog {
 public:
  explicit Dialog(std::string title);
  virtual ~Dialog() = default;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  const std::string& title() const { return title_; }
  std::vector<Control>& controls() { return controls_; }
  const std::vector<Control>& controls() const { return controls_; }
  int width = 200, height = 100;  // dialog units

  Control& Add(Control control);
  Control* Find(int id);
  const Control* Find(int id) const;
  Control& At(int id);  // the control must exist
  // The control named by its label, ignoring surrounding blanks; nullptr when none.
  Control* FindByLabel(std::string_view label);

  int focus() const { return focus_; }
  // Moves the keyboard focus without lose-focus handling (what a handler does
  // when it puts the focus back on a field it rejected).
  void SetFocus(int id) { focus_ = id; }

  void End(int code) {
    ended_ = true;
    result_ = code;
  }
  bool ended() const { return ended_; }
  int result() const { return result_; }

  // Bumped by every change a handler makes, so renderers know to redraw.
  void Touch() { ++revision_; }
  unsigned revision() const { return revision_; }

  // Event handlers. Platform is the service layer the dialog runs on (to show
  // messages); it is set before OnInit.
  virtual void OnInit() {}
  // A push button, check box or radio button was clicked, or Enter/Escape
  // produced IDOK/IDCANCEL. The default ends the dialog on OK and Cancel.
  virtual void OnCommand(int id);
  virtual void OnChange(int id) {}
  virtual void OnLoseFocus(int id) {}
  virtual void OnSelect(int id) {}
  virtual void OnSlider(int id) {}
  // A tree node's label was edited in place and the edit ended with Enter.
  virtual void OnTreeRename(int id, int node, const std::string& text) {}
  // A draggable tree node was dropped on a drop target.
  virtual void OnTreeDrop(int id, int node, int target) {}
  // The close box; the default behaves as Cancel.
  virtual void OnClose() { OnCommand(kIdCancel); }

  Platform* platform = nullptr;

 protected:
  std::string title_;
  std::vector<Control> controls_;
  int focus_ = 0;
  bool ended_ = false;
  int result_ = 0;
  unsigned revision_ = 0;
};

// Helpers to build dialogs tersely.
Control StaticText(int id, std::string text);
Control EditField(int id, std::string label, std::string text);
Control PushButton(int id, std::string label);
Control CheckBox(int id, std::string label, bool checked);
Control RadioButton(int id, std::string label, int group, bool checked);
Control GroupBox(int id, std::string label);
Control Slider(int id, std::string label, int min, int max, int pos);
Control ListBox(int id, std::string label, std::vector<std::string> items, int selected);

}  // namespace kora::platform
