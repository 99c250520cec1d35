#include "app/menu_bar.h"

namespace kora {

namespace {

void Visit(std::vector<MenuItem>& items, int id, const std::function<void(MenuItem&)>& f) {
  for (auto& item : items) {
    if (item.id == id && id != 0) f(item);
    if (item.IsPopup()) Visit(item.children, id, f);
  }
}

const MenuItem* FindIn(const std::vector<MenuItem>& items, int id) {
  for (const auto& item : items) {
    if (item.id == id) return &item;
    if (item.IsPopup())
      if (const MenuItem* found = FindIn(item.children, id)) return found;
  }
  return nullptr;
}

}  // namespace

void MenuBar::ForEach(int id, const std::function<void(MenuItem&)>& f) { Visit(popups, id, f); }

void MenuBar::Enable(int id, bool enabled) {
  ForEach(id, [&](MenuItem& item) { item.enabled = enabled; });
}

void MenuBar::SetText(int id, const std::string& text) {
  ForEach(id, [&](MenuItem& item) { item.text = text; });
}

void MenuBar::Check(int id, bool checked) {
  ForEach(id, [&](MenuItem& item) { item.checked = checked; });
}

std::string MenuCaption(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

const MenuItem* MenuBar::Find(int id) const { return FindIn(popups, id); }

MenuItem* MenuBar::FindPopup(const std::vector<std::string>& path) {
  std::vector<MenuItem>* level = &popups;
  MenuItem* found = nullptr;
  for (const auto& name : path) {
    found = nullptr;
    for (auto& item : *level)
      if (item.IsPopup() && MenuCaption(item.text) == name) found = &item;
    if (!found) return nullptr;
    level = &found->children;
  }
  return found;
}

}  // namespace kora
