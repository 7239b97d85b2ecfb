#pragma once

namespace deadhold {

// One line of the help tree. Nodes are numbered in insertion order; a view makes one item per
// node, under the item of its parent.
struct HelpTreeNode {
  static constexpr int kRoot = -1;

  int parent = kRoot;
  const char* title = nullptr;
};

}  // namespace deadhold
