#pragma once

#include <array>
#include <span>

#include "shell/help_topic.h"

namespace deadhold {

// The program-wide list of help topics, in tree order.
class HelpTopicTable {
 public:
  static constexpr int kSlots = 100;

  // Clears every slot, then fills the topics in order and sets the count.
  void build();

  int count() const { return count_; }
  std::span<HelpTopic> topics() { return {slots_.data(), static_cast<size_t>(count_)}; }
  std::span<const HelpTopic> topics() const { return {slots_.data(), static_cast<size_t>(count_)}; }

 private:
  std::array<HelpTopic, kSlots> slots_{};
  int count_ = 0;
};

}  // namespace deadhold
