// File > Project Editor: a tree of every open project and its series. A
// project node is renamed in place; a series node dropped on another
// project's node moves the series there, after the question.
#include <algorithm>
#include <map>

#include "app/application.h"
#include "app/commands.h"
#include "app/series_transfer.h"
#include "multivariate/multivariate_views.h"
#include "platform/text.h"
#include "platform/tree.h"
#include "project/project_views.h"
#include "project/window_titles.h"

namespace kora {

namespace {

constexpr int kTreeControl = 1100;
constexpr int kFirstLine = 1101;
constexpr int kSecondLine = 1102;

// Node keys: the root, then slot * 1000 for a project and + k for its series k.
constexpr int kRootKey = 1;
constexpr int kSlotKeys = 1000;

std::string NameOf(const Platform& ui, const RegistrySlot& entry) {
  return entry.kind == kUnivariate ? ProjectName(ui, *entry.univariate)
                                   : MultivariateName(ui, *entry.multivariate);
}

int SeriesCount(const RegistrySlot& entry) {
  return entry.kind == kUnivariate ? 1 : entry.multivariate->data.m;
}

bool HoldsData(const RegistrySlot& entry) {
  return entry.kind == kUnivariate ? entry.univariate->HasData() : entry.multivariate->HasData();
}

int DataLength(const RegistrySlot& entry) {
  return entry.kind == kUnivariate ? entry.univariate->count() : entry.multivariate->data.n;
}

// The project's new name on its main window, and every window titled after it.
void RenameProject(Application& app, int slot, const std::string& name) {
  RegistrySlot& entry = app.registry[slot];
  if (entry.kind == kUnivariate) {
    app.ui.SetTitle(entry.univariate->plots[kMainPlot].window, name);
    RetitleProjectWindows(app.ui, *entry.univariate);
  } else {
    // Its INFO window is titled after it when the views are brought up to date.
    app.ui.SetTitle(entry.multivariate->mainWindow.window, name);
    RefreshMultivariateViews(app.ui, *entry.multivariate);
  }
  app.UpdateStatus();
}

class ProjectEditorDialog : public platform::Dialog {
 public:
  explicit ProjectEditorDialog(Application& app) : Dialog("Project Editor"), app_(app) {
    platform::Control tree;
    tree.id = kTreeControl;
    tree.type = platform::ControlType::Tree;
    tree.selectedNode = app.current * kSlotKeys;
    Add(std::move(tree));
    Add(platform::StaticText(kFirstLine, " "));
    Add(platform::StaticText(kSecondLine, " "));
    Add(platform::PushButton(platform::kIdOk, "OK"));
    Add(platform::PushButton(platform::kIdCancel, "Cancel"));
    Rebuild();
  }

  void OnSelect(int id) override { DescribeSelection(); }

  void OnTreeRename(int id, int node, const std::string& text) override {
    const std::string name(TrimRight(text));
    if (Trim(name).empty()) {
      platform->Message("KORA::Error", kEmptyProjectNameText);
      return;
    }
    RenameProject(app_, node / kSlotKeys, name);
    Rebuild();
  }

  void OnTreeDrop(int id, int node, int target) override {
    const int from = node / kSlotKeys, to = target / kSlotKeys;
    if (from == to || !platform->Ask("KORA Project Editor", "Confirm data transfer")) return;
    if (auto refusal = TransferSeries(app_.ui, app_.registry, from, node % kSlotKeys, to))
      platform->Message(refusal->caption, refusal->text);
    Rebuild();
    app_.UpdateFrame();
  }

 private:
  platform::Control& Tree() { return At(kTreeControl); }

  // The nodes from the registry, keeping the branches the user collapsed and
  // the selection while its node is there.
  void Rebuild() {
    std::map<int, bool> expanded;
    for (const auto& root : Tree().nodes) {
      expanded[root.key] = root.expanded;
      for (const auto& project : root.children) expanded[project.key] = project.expanded;
    }
    platform::TreeNode root = platform::MakeNode(kRootKey, "KORA Projects");
    root.expanded = expanded.count(kRootKey) ? expanded[kRootKey] : true;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
      const RegistrySlot& entry = app_.registry[slot];
      if (entry.kind == kNoProject) continue;
      platform::TreeNode project = platform::MakeNode(slot * kSlotKeys, NameOf(app_.ui, entry));
      project.expanded = expanded.count(project.key) ? expanded[project.key] : true;
      project.editable = project.dropTarget = true;
      for (int k = 1; k <= std::max(1, SeriesCount(entry)); ++k) {
        platform::TreeNode series = platform::MakeNode(slot * kSlotKeys + k, "Series #" + std::to_string(k));
        series.draggable = HoldsData(entry);
        project.children.push_back(std::move(series));
      }
      root.children.push_back(std::move(project));
    }
    Tree().nodes = {std::move(root)};
    if (!platform::FindNode(Tree().nodes, Tree().selectedNode)) Tree().selectedNode = kRootKey;
    DescribeSelection();
    Touch();
  }

  // The two lines under the tree describe the project of the selected node.
  void DescribeSelection() {
    const int slot = Tree().selectedNode / kSlotKeys;
    std::string first, second;
    if (slot == 0) {
      int open = 0;
      for (int k = 1; k <= kSlotCount; ++k) open += app_.registry[k].kind != kNoProject;
      first = "# of projects = " + std::to_string(open);
      second = "Drag a series onto a project to move it.";
    } else if (!HoldsData(app_.registry[slot])) {
      first = second = "No data";
    } else {
      first = "# of series = " + std::to_string(SeriesCount(app_.registry[slot]));
      second = "Length of series = " + std::to_string(DataLength(app_.registry[slot]));
    }
    At(kFirstLine).label = first;
    At(kSecondLine).label = second;
  }

  Application& app_;
};

}  // namespace

void ProjectEditorCommand(Application& app) {
  ProjectEditorDialog dialog(app);
  app.ui.RunDialog(dialog);
}

}  // namespace kora
