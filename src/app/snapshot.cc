#include "app/snapshot.h"

#include <nlohmann/json.hpp>

#include "app/application.h"
#include "app/command_ids.h"
#include "app/toolbar.h"

namespace kora {

using nlohmann::json;

namespace {

json MenuJson(const std::vector<MenuItem>& items) {
  json out = json::array();
  for (const auto& item : items) {
    if (item.IsSeparator()) {
      out.push_back({{"separator", true}});
    } else if (item.IsPopup()) {
      out.push_back({{"text", item.text}, {"enabled", item.enabled}, {"items", MenuJson(item.children)}});
    } else {
      out.push_back({{"id", item.id}, {"text", item.text}, {"enabled", item.enabled}, {"checked", item.checked}});
      if (!item.shortcut.empty()) out.back()["shortcut"] = item.shortcut;
    }
  }
  return out;
}

const char* ControlTypeName(platform::ControlType type) {
  using platform::ControlType;
  switch (type) {
    case ControlType::Static: return "static";
    case ControlType::Edit: return "edit";
    case ControlType::Button: return "button";
    case ControlType::Check: return "check";
    case ControlType::Radio: return "radio";
    case ControlType::Group: return "group";
    case ControlType::List: return "list";
    case ControlType::Combo: return "combo";
    case ControlType::Slider: return "slider";
    case ControlType::Picture: return "picture";
    case ControlType::Tree: return "tree";
  }
  return "static";
}

json NodesJson(const std::vector<platform::TreeNode>& nodes) {
  json out = json::array();
  for (const auto& n : nodes)
    out.push_back({{"key", n.key}, {"label", n.label}, {"expanded", n.expanded}, {"editable", n.editable},
                   {"draggable", n.draggable}, {"dropTarget", n.dropTarget}, {"children", NodesJson(n.children)}});
  return out;
}

json DialogJson(const platform::Dialog& d) {
  json controls = json::array();
  for (const auto& c : d.controls()) {
    controls.push_back({{"id", c.id}, {"type", ControlTypeName(c.type)}, {"label", c.label}, {"text", c.text},
                        {"enabled", c.enabled}, {"checked", c.checked}, {"items", c.items},
                        {"selected", c.selected}, {"min", c.sliderMin}, {"max", c.sliderMax},
                        {"pos", c.sliderPos}, {"group", c.group}, {"x", c.x}, {"y", c.y}, {"w", c.width},
                        {"h", c.height}, {"picture", c.picture}});
    if (c.type == platform::ControlType::Tree) {
      controls.back()["nodes"] = NodesJson(c.nodes);
      controls.back()["node"] = c.selectedNode;
    }
  }
  return {{"kind", "dialog"}, {"title", d.title()}, {"width", d.width}, {"height", d.height},
          {"focus", d.focus()}, {"revision", d.revision()}, {"controls", controls}};
}

json ModalJson(const platform::Platform::Modal& m) {
  using Kind = platform::Platform::Modal::Kind;
  if (m.kind == Kind::Dialog) return DialogJson(*m.dialog);
  if (m.kind == Kind::Message)
    return {{"kind", "message"}, {"caption", m.message.caption}, {"text", m.message.text}, {"yesNo", m.message.yesNo},
            {"cancel", m.message.cancel}};
  json filters = json::array();
  for (const auto& f : m.file.filters) filters.push_back({{"name", f.name}, {"pattern", f.pattern}});
  return {{"kind", "file"},          {"save", m.file.save},
          {"title", m.file.title},   {"initialName", m.file.initialName},
          {"filters", filters},      {"defaultExtension", m.file.defaultExtension},
          {"mustExist", m.file.mustExist}, {"overwritePrompt", m.file.overwritePrompt}};
}

}  // namespace

std::string BuildSnapshot(Application& app, const SnapshotSerials& serials, uint64_t seq) {
  Platform& ui = app.ui;
  json frame = {{"title", "KORA::Tarn"},
                {"menuKind", app.shownMenu == kShowTarnMenu ? "TARN_MENU" : "MV_MENU"},
                {"menu", MenuJson(app.shownMenuBar().popups)},
                {"windowMenuPosition", kTarnSpectrum},
                {"status", app.status},
                {"zoomMode", app.zoomMode},
                {"unsaved", app.anyUnsaved}};
  json toolbar = json::array();
  for (const auto& b : app.toolbar) {
    if (b.command == 0) toolbar.push_back({{"separator", true}});
    else toolbar.push_back({{"id", b.command}, {"image", b.image}, {"tooltip", TooltipText(b.command)}});
  }
  frame["toolbar"] = toolbar;

  json windows = json::array();
  const auto& z = ui.ZOrder();
  for (const platform::ChildWindow* w : ui.Windows()) {
    json jw = {{"id", w->id},         {"kind", w->kind},         {"title", w->title},
               {"project", w->ownerSlot}, {"x", w->x},           {"y", w->y},
               {"width", w->width},   {"height", w->height},     {"minimized", w->minimized},
               {"maximized", w->maximized}, {"active", ui.Focused() == w->id},
               {"z", std::find(z.begin(), z.end(), w->id) - z.begin()}, {"revision", w->revision}};
    if (w->kind == platform::kPlotWindow) {
      // Painting in the window also stores the scales the mouse gestures use.
      if (Application::PlotRef ref = app.FindPlot(w->id); ref.plot) {
        jw["svg"] = app.plotPictures.Picture(*ref.plot, w->width, w->height);
      }
      if (const ZoomDrag* drag = app.Drag(w->id))
        jw["rubber"] = {{"x1", drag->x1}, {"y1", drag->y1}, {"x2", drag->x2}, {"y2", drag->y2}};
    } else if (w->kind == platform::kDuplicatePlotWindow) {
      jw["svg"] = w->picture;
    } else {
      jw["text"] = w->text;
    }
    windows.push_back(std::move(jw));
  }
  app.plotPictures.Prune([&](platform::WindowId id) { return ui.Exists(id); });
  json modals = json::array();
  for (const auto& m : ui.modals()) modals.push_back(ModalJson(m));
  const auto& clip = ui.clipboard();
  json clipboard = {{"serial", serials.clipboard},
                    {"text", clip.text ? json(*clip.text) : json(nullptr)},
                    {"svg", clip.picture ? json(*clip.picture) : json(nullptr)}};
  json popup = {{"serial", app.popupSerial}, {"window", app.popupWindow}, {"x", app.popupX}, {"y", app.popupY}};
  if (app.popupSerial && app.shownMenu == kShowTarnMenu) {
    // Beneath the bar's popup, what a plot offers of itself.
    std::vector<MenuItem> items = app.tarnMenu.popups[kTarnSpectrum].children;
    items.push_back(MenuItem{});
    for (int id : {cmd::kCopyToClipboard, cmd::kSavePicture, cmd::kPredictionBands})
      if (const MenuItem* item = app.tarnMenu.Find(id)) items.push_back(*item);
    popup["items"] = MenuJson(items);
  }
  json picture = {{"serial", app.pictureRequest.serial}};
  if (!app.pictureRequest.path.empty()) {
    picture["svg"] = app.pictureRequest.svg;
    picture["width"] = app.pictureRequest.width;
    picture["height"] = app.pictureRequest.height;
  }
  json snapshot = {{"seq", seq},
                   {"product", "KORA"},
                   {"version", "0.1.0"},
                   {"frame", frame},
                   {"windows", windows},
                   {"modals", modals},
                   {"clipboard", clipboard},
                   {"popup", popup},
                   {"picture", picture},
                   {"help", {{"serial", serials.help}, {"topic", serials.helpTopic}}},
                   {"print", {{"serial", serials.print}, {"window", serials.printWindow}}}};
  return snapshot.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace kora
