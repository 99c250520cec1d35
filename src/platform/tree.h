// The tree control of the dialog model: finding nodes by key or by a path of
// labels, the user's events on nodes, and a plain-text picture of a tree.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"
#include "platform/user_event.h"

namespace kora::platform {

// Separates the labels of a node path in scripts: "KORA Projects > nile.txt > Series #1".
inline constexpr const char* kNodePathSeparator = " > ";

// A node with its key and label, expanded, taking no edits, drags or drops.
inline TreeNode MakeNode(int key, std::string label) {
  TreeNode node;
  node.key = key;
  node.label = std::move(label);
  return node;
}

TreeNode* FindNode(std::vector<TreeNode>& nodes, int key);
const TreeNode* FindNode(const std::vector<TreeNode>& nodes, int key);

// The key of the node named by its key or path, or 0 with the reason in *why.
// A path lists labels from any node down to the one meant (the last label);
// it must name exactly one node.
int ResolveNode(const std::vector<TreeNode>& nodes, const NodeRef& ref, std::string* why);

// The labels from the top of the tree down to the node, joined by the
// separator; empty when there is no such node.
std::string NodePath(const std::vector<TreeNode>& nodes, int key);

// Delivers a tree event to the tree control of the dialog; reject names why
// an event cannot be delivered (no such node, a hidden node, ...).
void DeliverTreeEvent(Dialog& dialog, Control& tree, const UserEvent& event,
                      const std::function<void(const std::string&)>& reject);

// One line a node, indented two blanks a level; a collapsed node with
// children ends in " [+]", the selected one is marked with "*".
std::string TreeText(const Control& tree);

}  // namespace kora::platform
