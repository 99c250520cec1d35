#include "platform/tree.h"

#include <gtest/gtest.h>

#include "dialog_events.h"
#include "platform/event_queue.h"
#include "platform/platform.h"

namespace kora::platform {
namespace {

// Two projects of the same name, each with series; projects take drops and
// new names, series can be dragged.
class TreeDialog : public Dialog {
 public:
  TreeDialog() : Dialog("Tree") {
    Control tree;
    tree.id = 5;
    tree.type = ControlType::Tree;
    TreeNode a = MakeNode(10, "Same"), b = MakeNode(20, "Same");
    for (TreeNode* project : {&a, &b}) {
      project->editable = project->dropTarget = true;
      for (int k = 1; k <= 2; ++k) {
        TreeNode series = MakeNode(project->key + k, "Series #" + std::to_string(k));
        series.draggable = true;
        project->children.push_back(series);
      }
    }
    b.label = "Other";
    tree.nodes = {MakeNode(1, "Root")};
    tree.nodes[0].children = {a, b};
    Add(tree);
    Add(PushButton(kIdOk, "OK"));
  }
  std::vector<std::string> log;
  void OnTreeRename(int, int node, const std::string& text) override {
    log.push_back("rename " + std::to_string(node) + " " + text);
  }
  void OnTreeDrop(int, int node, int target) override {
    log.push_back("drop " + std::to_string(node) + " on " + std::to_string(target));
  }
};

UserEvent TreeEvent(EventType type, std::string path, std::string text = {}, int number = 0) {
  UserEvent e = kora::testing::ControlEvent(type, 5, std::move(text), number);
  e.node.path = std::move(path);
  return e;
}

TEST(Tree, PathsNameOneNodeFromAnyDepth) {
  TreeDialog dialog;
  const auto& nodes = dialog.At(5).nodes;
  std::string why;
  EXPECT_EQ(ResolveNode(nodes, {0, "Other > Series #2"}, &why), 22);
  EXPECT_EQ(ResolveNode(nodes, {0, "Root > Same > Series #1"}, &why), 11);
  EXPECT_EQ(ResolveNode(nodes, {0, "Series #1"}, &why), 0);
  EXPECT_EQ(why, "\"Series #1\" names 2 nodes");
  EXPECT_EQ(ResolveNode(nodes, {0, "Same > Series #3"}, &why), 0);
  EXPECT_EQ(why, "the tree has no node \"Same > Series #3\"");
  EXPECT_EQ(ResolveNode(nodes, {21, ""}, &why), 21);
  EXPECT_EQ(NodePath(nodes, 21), "Root > Other > Series #1");
}

TEST(Tree, EventsReachTheDialogOnlyForNodesThatTakeThem) {
  EventQueue events;
  PlatformObserver quiet;
  Platform ui(events, quiet);
  TreeDialog dialog;
  UserEvent drag = TreeEvent(EventType::TreeDrag, "Same > Series #2");
  drag.target.path = "Other";
  UserEvent onSeries = drag;
  onSeries.target.path = "Other > Series #1";  // not a drop target: nothing happens
  UserEvent dragProject = drag;
  dragProject.node.path = "Other";
  for (const UserEvent& e :
       {TreeEvent(EventType::TreeSelect, "Other > Series #1"), drag, onSeries, dragProject,
        TreeEvent(EventType::TreeRename, "Other", "New name"),
        TreeEvent(EventType::TreeRename, "Other > Series #1", "x"),
        // Collapsing a branch moves the selection inside it to the branch.
        TreeEvent(EventType::TreeSelect, "Same > Series #1"), TreeEvent(EventType::TreeExpand, "Same", {}, 0),
        TreeEvent(EventType::TreeSelect, "Same > Series #2"),
        kora::testing::ControlEvent(EventType::Click, kIdOk)})
    events.Push(e);
  events.Close();
  ui.RunDialog(dialog);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"drop 12 on 20", "rename 20 New name"}));
  EXPECT_EQ(events.rejections.size(), 3u);  // the project dragged, the series renamed, the hidden node
  EXPECT_EQ(TreeText(dialog.At(5)), "Root\n  * Same [+]\n  Other\n    Series #1\n    Series #2\n");
}

}  // namespace
}  // namespace kora::platform
