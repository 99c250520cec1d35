#include "platform/tree.h"

#include "platform/text.h"

namespace kora::platform {

namespace {

// Calls visit(node, ancestors) for every node, depth first.
void Walk(const std::vector<TreeNode>& nodes, std::vector<const TreeNode*>& ancestors,
          const std::function<void(const TreeNode&, const std::vector<const TreeNode*>&)>& visit) {
  for (const TreeNode& node : nodes) {
    visit(node, ancestors);
    ancestors.push_back(&node);
    Walk(node.children, ancestors, visit);
    ancestors.pop_back();
  }
}

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> labels;
  const std::string_view separator = kNodePathSeparator;
  size_t start = 0;
  for (;;) {
    const size_t at = path.find(separator, start);
    labels.emplace_back(
        Trim(path.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start)));
    if (at == std::string_view::npos) return labels;
    start = at + separator.size();
  }
}

// Whether the labels name the node: the last is its own label, the ones
// before it those of its nearest ancestors.
bool PathMatches(const std::vector<std::string>& labels, const TreeNode& node,
                 const std::vector<const TreeNode*>& ancestors) {
  if (labels.back() != node.label || labels.size() > ancestors.size() + 1) return false;
  for (size_t i = 1; i < labels.size(); ++i)
    if (ancestors[ancestors.size() - i]->label != labels[labels.size() - 1 - i]) return false;
  return true;
}

bool Hidden(const std::vector<TreeNode>& nodes, int key) {
  bool hidden = false;
  std::vector<const TreeNode*> ancestors;
  Walk(nodes, ancestors, [&](const TreeNode& node, const std::vector<const TreeNode*>& above) {
    if (node.key != key) return;
    for (const TreeNode* a : above) hidden = hidden || !a->expanded;
  });
  return hidden;
}

bool Contains(const TreeNode& node, int key) {
  for (const TreeNode& child : node.children)
    if (child.key == key || Contains(child, key)) return true;
  return false;
}

void AppendText(const std::vector<TreeNode>& nodes, int selected, int depth, std::string& out) {
  for (const TreeNode& node : nodes) {
    out += std::string(2 * depth, ' ') + (node.key == selected ? "* " : "") + node.label;
    if (!node.expanded && !node.children.empty()) out += " [+]";
    out += "\n";
    if (node.expanded) AppendText(node.children, selected, depth + 1, out);
  }
}

}  // namespace

TreeNode* FindNode(std::vector<TreeNode>& nodes, int key) {
  for (TreeNode& node : nodes) {
    if (node.key == key) return &node;
    if (TreeNode* found = FindNode(node.children, key)) return found;
  }
  return nullptr;
}

const TreeNode* FindNode(const std::vector<TreeNode>& nodes, int key) {
  return FindNode(const_cast<std::vector<TreeNode>&>(nodes), key);
}

int ResolveNode(const std::vector<TreeNode>& nodes, const NodeRef& ref, std::string* why) {
  if (ref.path.empty()) {
    if (FindNode(nodes, ref.key)) return ref.key;
    *why = "the tree has no node " + std::to_string(ref.key);
    return 0;
  }
  const std::vector<std::string> labels = SplitPath(ref.path);
  std::vector<int> found;
  std::vector<const TreeNode*> ancestors;
  Walk(nodes, ancestors, [&](const TreeNode& node, const std::vector<const TreeNode*>& above) {
    if (PathMatches(labels, node, above)) found.push_back(node.key);
  });
  if (found.size() == 1) return found.front();
  *why = found.empty() ? "the tree has no node \"" + ref.path + "\""
                       : "\"" + ref.path + "\" names " + std::to_string(found.size()) + " nodes";
  return 0;
}

std::string NodePath(const std::vector<TreeNode>& nodes, int key) {
  std::string path;
  std::vector<const TreeNode*> ancestors;
  Walk(nodes, ancestors, [&](const TreeNode& node, const std::vector<const TreeNode*>& above) {
    if (node.key != key || !path.empty()) return;
    for (const TreeNode* a : above) path += a->label + kNodePathSeparator;
    path += node.label;
  });
  return path;
}

void DeliverTreeEvent(Dialog& dialog, Control& tree, const UserEvent& event,
                      const std::function<void(const std::string&)>& reject) {
  std::string why;
  const int key = ResolveNode(tree.nodes, event.node, &why);
  if (key == 0) return reject(why);
  if (Hidden(tree.nodes, key)) return reject("the node is inside a collapsed branch");
  const int id = tree.id;
  TreeNode& node = *FindNode(tree.nodes, key);
  switch (event.type) {
    case EventType::TreeSelect:
      tree.selectedNode = key;
      dialog.OnSelect(id);
      return;
    case EventType::TreeExpand:
      node.expanded = event.number != 0;
      // A selection inside a branch that closes moves to the branch.
      if (!node.expanded && Contains(node, tree.selectedNode)) tree.selectedNode = key;
      return;
    case EventType::TreeRename:
      if (!node.editable) return reject("the node cannot be renamed");
      tree.selectedNode = key;
      dialog.OnTreeRename(id, key, event.text);
      return;
    case EventType::TreeDrag: {
      if (!node.draggable) return reject("the node cannot be dragged");
      const int target = ResolveNode(tree.nodes, event.target, &why);
      if (target == 0) return reject(why);
      if (Hidden(tree.nodes, target)) return reject("the drop target is inside a collapsed branch");
      // A drop anywhere but on a target does nothing, as with a mouse.
      if (FindNode(tree.nodes, target)->dropTarget) dialog.OnTreeDrop(id, key, target);
      return;
    }
    default:
      return;
  }
}

std::string TreeText(const Control& tree) {
  std::string out;
  AppendText(tree.nodes, tree.selectedNode, 0, out);
  return out;
}

}  // namespace kora::platform
