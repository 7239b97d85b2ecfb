#include "shell/help_page.h"

namespace deadhold {

void HelpPage::initialise() {
  table_.build();
  nodes_.clear();
  deepestStack_ = 0;

  std::vector<int> parents;
  int currentParent = HelpTreeNode::kRoot;
  int lastInserted = HelpTreeNode::kRoot;
  for (HelpTopic& topic : table_.topics()) {
    switch (topic.nestingCode) {
      case 1:
        currentParent = HelpTreeNode::kRoot;
        break;
      case 2:
        parents.push_back(currentParent);
        currentParent = lastInserted;
        break;
      case 3:
        // A step up from the top level has nowhere to go: the topic stays at the top.
        if (parents.empty()) {
          currentParent = HelpTreeNode::kRoot;
        } else {
          currentParent = parents.back();
          parents.pop_back();
        }
        break;
      default:
        break;
    }
    if (static_cast<int>(parents.size()) > deepestStack_)
      deepestStack_ = static_cast<int>(parents.size());
    nodes_.push_back({currentParent, topic.title});
    topic.treeItem = static_cast<int>(nodes_.size()) - 1;
    lastInserted = topic.treeItem;
  }
}

const std::string& HelpPage::selectionChanged(int node) {
  for (const HelpTopic& topic : table_.topics()) {
    if (topic.treeItem == node) {
      text_ = topic.text;
      break;
    }
  }
  return text_;
}

}  // namespace deadhold
