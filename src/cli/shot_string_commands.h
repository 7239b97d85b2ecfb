#pragma once

#include <string>

namespace deadhold::cli {

// `loads stats N`: the statistics of load N's shot string, as text or CSV.
int showShotStatistics(const std::string& book, const std::string& index,
                       const std::string& format);

// What `loads velocities N FILE` takes from the file.
struct VelocityImportArguments {
  std::string file;
  std::string kind = "auto";
  std::string series;  // a series' name or its position (1, 2, ...); empty: the only one
  int first = 1;       // the series' shot that becomes shot 1
};

// `loads velocities N FILE`: the large target's "Import Velocities..." on load N, answered from
// the arguments, then the book is saved.
int importShotVelocities(const std::string& book, const std::string& index,
                         const VelocityImportArguments& arguments);

}  // namespace deadhold::cli
