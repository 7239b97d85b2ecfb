#include "shell/help_topic_table.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <string_view>

#include "help_topics_expected.h"

namespace deadhold {
namespace {

using testing::kExpectedHelpTopics;

TEST(HelpTopicTable, HoldsTheEightyEightTopicsInOrderWithTheirCodes) {
  HelpTopicTable table;
  table.build();
  ASSERT_EQ(table.count(), 88);
  ASSERT_EQ(std::size(kExpectedHelpTopics), 88u);
  for (int i = 0; i < table.count(); ++i) {
    const HelpTopic& topic = table.topics()[i];
    const testing::ExpectedTopic& expected = kExpectedHelpTopics[i];
    SCOPED_TRACE(i + 1);
    EXPECT_EQ(topic.nestingCode, expected.nestingCode);
    EXPECT_EQ(topic.treeItem, -1);
    ASSERT_NE(topic.title, nullptr);
    ASSERT_NE(topic.text, nullptr);
    if (expected.title != nullptr) {
      EXPECT_STREQ(topic.title, expected.title);
    } else {
      EXPECT_GT(std::string_view(topic.title).size(), 3u);
    }
    const std::string_view text = topic.text;
    if (expected.firstWords == nullptr) {
      EXPECT_GT(text.size(), 40u);
    } else if (expected.wholeText) {
      EXPECT_EQ(text, expected.firstWords);
    } else {
      EXPECT_TRUE(text.starts_with(expected.firstWords)) << text;
      EXPECT_GT(text.size(), std::string_view(expected.firstWords).size() + 20);
    }
  }
}

TEST(HelpTopicTable, TextsNameNoAddressesOrSites) {
  HelpTopicTable table;
  table.build();
  for (const HelpTopic& topic : table.topics()) {
    const std::string_view text = topic.text;
    SCOPED_TRACE(topic.title);
    for (std::string_view banned : {"http", "www.", "@", ".com", ".org", ".net"})
      EXPECT_EQ(text.find(banned), std::string_view::npos) << banned;
  }
}

TEST(HelpTopicTable, WrittenTextsKeepTheProgramsOwnFacts) {
  HelpTopicTable table;
  table.build();
  auto textOf = [&](int position) { return std::string_view(table.topics()[position - 1].text); };
  EXPECT_NE(textOf(7).find("RELOADER.DAT"), std::string_view::npos);
  EXPECT_NE(textOf(13).find("copy RELOADER.BAK over RELOADER.DAT"), std::string_view::npos);
  EXPECT_NE(textOf(37).find("CTRL+ENTER"), std::string_view::npos);
  EXPECT_TRUE(textOf(77).starts_with("The \"Deadhold Range\""));
  EXPECT_NE(textOf(77).find("6 inches"), std::string_view::npos);
  EXPECT_NE(textOf(77).find("-3 inches"), std::string_view::npos);
  EXPECT_NE(textOf(39).find("\"quick view\""), std::string_view::npos);
  const std::string credits = std::string(textOf(87)) + std::string(textOf(88));
  for (std::string_view library :
       {"Qt", "GoogleTest", "Google Benchmark", "CLI11", "Liberation", "DejaVu", "Debian"})
    EXPECT_NE(credits.find(library), std::string::npos) << library;
}

TEST(HelpTopicTable, RebuildingClearsAndRefillsTheSlots) {
  HelpTopicTable table;
  table.build();
  table.topics()[0].treeItem = 5;
  table.build();
  EXPECT_EQ(table.count(), 88);
  EXPECT_EQ(table.topics()[0].treeItem, -1);
}

}  // namespace
}  // namespace deadhold
