#include "shell/help_topic_table.h"

#include "shell/help_topic_texts.h"

namespace deadhold {

void HelpTopicTable::build() {
  slots_.fill(HelpTopic{});
  count_ = 0;
  for (std::span<const HelpTopic> run :
       {aboutAndLoadHelpTopics(), ballisticsAndMiscHelpTopics(), questionsAndCreditsHelpTopics()}) {
    for (const HelpTopic& topic : run) {
      if (count_ == kSlots) return;
      slots_[count_++] = topic;
    }
  }
}

}  // namespace deadhold
