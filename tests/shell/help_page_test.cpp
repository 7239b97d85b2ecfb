#include "shell/help_page.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "help_topics_expected.h"

namespace deadhold {
namespace {

class HelpPageTest : public ::testing::Test {
 protected:
  void SetUp() override { page.initialise(); }

  std::vector<int> childrenOf(int parent) const {
    std::vector<int> children;
    const auto& nodes = page.treeNodes();
    for (int i = 0; i < static_cast<int>(nodes.size()); ++i)
      if (nodes[i].parent == parent) children.push_back(i);
    return children;
  }
  std::vector<std::string> titlesOf(const std::vector<int>& nodes) const {
    std::vector<std::string> titles;
    for (int node : nodes) titles.emplace_back(page.treeNodes()[node].title);
    return titles;
  }
  int depthOf(int node) const {
    int depth = 0;
    while (page.treeNodes()[node].parent != HelpTreeNode::kRoot) {
      node = page.treeNodes()[node].parent;
      ++depth;
    }
    return depth;
  }
  // The node of the first topic titled `title` under `parent`.
  int childTitled(int parent, std::string_view title) const {
    for (int node : childrenOf(parent))
      if (page.treeNodes()[node].title == title) return node;
    ADD_FAILURE() << "no child " << title;
    return -2;
  }

  HelpPage page;
};

TEST_F(HelpPageTest, NineTopLevelTopicsInOrder) {
  EXPECT_EQ(
      titlesOf(childrenOf(HelpTreeNode::kRoot)),
      (std::vector<std::string>{"About Deadhold, Computer Reloading and Ballistics Software",
                                "Offical Internet Support Web Page", "Cost / Distribution",
                                "Load Information Menu", "Ballistics Calculator.", "Misc Functions",
                                "Frequently Asked Questions", "Program Bugs", "Credits"}));
}

TEST_F(HelpPageTest, EveryTopicGetsItsOwnNodeAtItsDepth) {
  const auto& nodes = page.treeNodes();
  ASSERT_EQ(nodes.size(), 88u);
  const auto topics = page.topicTable().topics();
  for (int i = 0; i < 88; ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(topics[i].treeItem, i);
    EXPECT_STREQ(nodes[i].title, topics[i].title);
    EXPECT_EQ(depthOf(i), testing::kExpectedHelpTopics[i].depth);
  }
  // Every code-2 topic has pushed a parent and only five code-3 topics popped one.
  EXPECT_EQ(page.deepestStack(), 8);
}

TEST_F(HelpPageTest, OnlyTopicsFollowedByAFirstChildHaveChildren) {
  const int loadInfo = childTitled(HelpTreeNode::kRoot, "Load Information Menu");
  EXPECT_TRUE(childrenOf(childTitled(loadInfo, "Data Fields")).empty());
  const int ballistics = childTitled(HelpTreeNode::kRoot, "Ballistics Calculator.");
  EXPECT_EQ(childrenOf(childTitled(ballistics, "Data Fields")).size(), 7u);

  const int bugs = childTitled(HelpTreeNode::kRoot, "Program Bugs");
  EXPECT_EQ(titlesOf(childrenOf(bugs)),
            (std::vector<std::string>{"Reporting a new bug", "Known Bugs"}));
  EXPECT_EQ(titlesOf(childrenOf(childTitled(bugs, "Known Bugs"))),
            (std::vector<std::string>{"There are no known bugs at this time"}));
  EXPECT_EQ(childrenOf(childTitled(HelpTreeNode::kRoot, "Credits")).size(), 3u);
}

TEST_F(HelpPageTest, RepeatedTitlesLiveUnderDifferentParentsAndShowTheirOwnText) {
  for (std::string_view title : {"Cancel Button", "Reset Fields Button", "Accept Button",
                                 "Print Button", "Save to TXT Button", "Data Fields", "Velocity"}) {
    SCOPED_TRACE(title);
    std::vector<int> parents;
    for (const HelpTopic& topic : page.topicTable().topics()) {
      if (topic.title != title) continue;
      parents.push_back(page.treeNodes()[topic.treeItem].parent);
      EXPECT_EQ(page.selectionChanged(topic.treeItem), topic.text);
    }
    ASSERT_GE(parents.size(), 2u);
    for (size_t i = 1; i < parents.size(); ++i) EXPECT_NE(parents[i], parents[i - 1]);
  }
  // Same title, different meaning: the load's print button and the ballistics print button.
  const int loadInfo = childTitled(HelpTreeNode::kRoot, "Load Information Menu");
  const int ballistics = childTitled(HelpTreeNode::kRoot, "Ballistics Calculator.");
  EXPECT_EQ(page.selectionChanged(childTitled(loadInfo, "Print Button")),
            "Prints the load information to the local printer.");
  EXPECT_EQ(page.selectionChanged(childTitled(ballistics, "Print Button")),
            "Prints the current ballistics data.");
}

TEST_F(HelpPageTest, SelectionShowsTheTextAsStoredAndAnUnknownItemKeepsIt) {
  EXPECT_EQ(page.text(), "");
  const int cost = childTitled(HelpTreeNode::kRoot, "Cost / Distribution");
  EXPECT_EQ(page.selectionChanged(cost), "Details on Cost and Distribution restrictions");
  EXPECT_EQ(page.selectionChanged(88), "Details on Cost and Distribution restrictions");
  EXPECT_EQ(page.selectionChanged(-1), "Details on Cost and Distribution restrictions");
  EXPECT_EQ(page.text(), "Details on Cost and Distribution restrictions");

  const int bugs = childTitled(HelpTreeNode::kRoot, "Program Bugs");
  const int none =
      childTitled(childTitled(bugs, "Known Bugs"), "There are no known bugs at this time");
  EXPECT_EQ(page.selectionChanged(none), "");
}

TEST_F(HelpPageTest, InitialisingAgainBuildsTheSameTree) {
  page.selectionChanged(3);
  page.initialise();
  EXPECT_EQ(page.treeNodes().size(), 88u);
  EXPECT_EQ(childrenOf(HelpTreeNode::kRoot).size(), 9u);
  EXPECT_EQ(page.deepestStack(), 8);
}

}  // namespace
}  // namespace deadhold
