#include "platform/dialog.h"

#include <stdexcept>
#include <utility>

#include "platform/text.h"

namespace kora::platform {

Dialog::Dialog(std::string title) : title_(std::move(title)) {}

Control& Dialog::Add(Control control) {
  controls_.push_back(std::move(control));
  return controls_.back();
}

Control* Dialog::Find(int id) {
  for (auto& c : controls_)
    if (c.id == id) return &c;
  return nullptr;
}

const Control* Dialog::Find(int id) const {
  for (const auto& c : controls_)
    if (c.id == id) return &c;
  return nullptr;
}

Control& Dialog::At(int id) {
  Control* c = Find(id);
  if (!c) throw std::logic_error("dialog " + title_ + " has no control " + std::to_string(id));
  return *c;
}

Control* Dialog::FindByLabel(std::string_view label) {
  std::string_view wanted = Trim(label);
  for (auto& c : controls_)
    if (c.type != ControlType::Static && Trim(c.label) == wanted) return &c;
  return nullptr;
}

void Dialog::OnCommand(int id) {
  if (id == kIdOk) End(kIdOk);
  if (id == kIdCancel) End(kIdCancel);
}

Control StaticText(int id, std::string text) {
  Control c;
  c.id = id;
  c.type = ControlType::Static;
  c.label = std::move(text);
  return c;
}

Control EditField(int id, std::string label, std::string text) {
  Control c;
  c.id = id;
  c.type = ControlType::Edit;
  c.label = std::move(label);
  c.text = std::move(text);
  return c;
}

Control PushButton(int id, std::string label) {
  Control c;
  c.id = id;
  c.type = ControlType::Button;
  c.label = std::move(label);
  return c;
}

Control CheckBox(int id, std::string label, bool checked) {
  Control c;
  c.id = id;
  c.type = ControlType::Check;
  c.label = std::move(label);
  c.checked = checked;
  return c;
}

Control RadioButton(int id, std::string label, int group, bool checked) {
  Control c;
  c.id = id;
  c.type = ControlType::Radio;
  c.label = std::move(label);
  c.group = group;
  c.checked = checked;
  return c;
}

Control GroupBox(int id, std::string label) {
  Control c;
  c.id = id;
  c.type = ControlType::Group;
  c.label = std::move(label);
  return c;
}

Control Slider(int id, std::string label, int min, int max, int pos) {
  Control c;
  c.id = id;
  c.type = ControlType::Slider;
  c.label = std::move(label);
  c.sliderMin = min;
  c.sliderMax = max;
  c.sliderPos = pos;
  return c;
}

Control ListBox(int id, std::string label, std::vector<std::string> items, int selected) {
  Control c;
  c.id = id;
  c.type = ControlType::List;
  c.label = std::move(label);
  c.items = std::move(items);
  c.selected = selected;
  return c;
}

}  // namespace kora::platform
