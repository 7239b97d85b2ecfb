#pragma once

#include <string>
#include <vector>

#include "shell/help_topic_table.h"
#include "shell/help_tree_node.h"

namespace deadhold {

// The Help tab: the topic tree and the text of the selected topic.
class HelpPage {
 public:
  // Page initialisation: builds the topic table and fills the tree. Nothing is selected.
  void initialise();

  const std::vector<HelpTreeNode>& treeNodes() const { return nodes_; }
  const HelpTopicTable& topicTable() const { return table_; }

  // The tree's selection moved to `node`. The topic made for it supplies the text; a node no
  // topic owns keeps the text shown before. Returns the text the box now shows.
  const std::string& selectionChanged(int node);
  const std::string& text() const { return text_; }

  // How many parents the filling held at once at its deepest.
  int deepestStack() const { return deepestStack_; }

 private:
  HelpTopicTable table_;
  std::vector<HelpTreeNode> nodes_;
  std::string text_;
  int deepestStack_ = 0;
};

}  // namespace deadhold
