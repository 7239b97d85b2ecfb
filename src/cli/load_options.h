#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <string>

#include "engine/trajectory.h"

namespace deadhold::cli {

// The load options every computing command shares: --bc --weight --velocity --zero --scope
// --temp --altitude --label, each defaulting to the program's default load, and --unchecked.
// Without --label, the default load's name belongs to the default load only: a coefficient,
// weight or velocity of another load names the load by these three values.
// Values are real numbers (see real_option.h); anything else is refused during parsing with a
// one-line error naming the option.
class LoadOptions {
 public:
  // Adds the options to `command`; the object must outlive the parse and its callbacks.
  explicit LoadOptions(CLI::App& command);
  LoadOptions(const LoadOptions&) = delete;  // the parser holds references into it
  LoadOptions& operator=(const LoadOptions&) = delete;

  const BallisticInputs& inputs() const { return inputs_; }
  std::string label() const;
  // The label as the program's pages, reports and printouts hold texts (see ansi_text.h); the
  // label above is as typed, for the terminal.
  std::string ansiLabel() const;

  // The Ballistics Calculator's range check (skipped with --unchecked). On failure writes the
  // "Value Range Error" text to `errors` and answers false; the command then exits refused.
  bool passRangeCheck(std::ostream& errors) const;

 private:
  BallisticInputs inputs_;
  std::string label_;
  const CLI::Option* labelOption_ = nullptr;
  bool unchecked_ = false;
};

}  // namespace deadhold::cli
