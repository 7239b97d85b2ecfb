#pragma once

namespace deadhold {

// One entry of the built-in help: where it goes in the tree relative to the entry before it, the
// line shown in the tree and the text shown below it. The texts are fixed data of the program.
struct HelpTopic {
  const char* title = nullptr;
  const char* text = nullptr;
  // 1: a top-level topic; 2: the first child of the topic before it; 3: one level up from the
  // topic before it; 0: a sibling of the topic before it.
  int nestingCode = 0;
  // The tree node made for this topic, -1 until the tree is filled.
  int treeItem = -1;
};

}  // namespace deadhold
