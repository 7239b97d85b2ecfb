#include "load_book.h"

#include <charconv>
#include <iostream>

#include "common/cformat.h"

namespace deadhold::cli {

void refuse(const std::string& message) {
  std::cerr << "deadhold-cli: " << message << "\n";
}

std::unique_ptr<LoadDatabase> openBook(const std::string& file, bool mayBeNew) {
  auto database = std::make_unique<LoadDatabase>(file);
  database->readDatabase();
  if (database->readProblem()) {
    refuse(database->readProblem()->message);
    return nullptr;
  }
  if (!database->fileWasRead() && !mayBeNew) {
    refuse("Could not read " + file + ": No such file or directory");
    return nullptr;
  }
  return database;
}

bool writesOverTheBook(const std::string& output, const std::string& book) {
  std::error_code error;
  if (!std::filesystem::equivalent(output, book, error)) return false;
  refuse("Could not write " + output + ": it is the load book itself, left as it was");
  return true;
}

LoadRecord* loadNumbered(LoadDatabase& database, const std::string& text) {
  int index = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (error != std::errc() || end != text.data() + text.size() || index < 0) {
    refuse("N must be a load's index (0, 1, ...), not \"" + text + "\"");
    return nullptr;
  }
  LoadRecord* load = database.loadAt(index);
  if (load == nullptr) {
    refuse(cformat("no load %d: the load book holds %d load%s", index, database.loadCount(),
                   database.loadCount() == 1 ? "" : "s"));
  }
  return load;
}

}  // namespace deadhold::cli
