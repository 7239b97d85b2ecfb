#pragma once

#include <span>

#include "shell/help_topic.h"

namespace deadhold {

// The help topics in tree order, in three consecutive runs kept in their own files.
std::span<const HelpTopic> aboutAndLoadHelpTopics();  // "About ..." to "Graphical Target"
std::span<const HelpTopic>
ballisticsAndMiscHelpTopics();  // "Ballistics Calculator." to the converter
std::span<const HelpTopic> questionsAndCreditsHelpTopics();  // the questions, bugs and credits

}  // namespace deadhold
