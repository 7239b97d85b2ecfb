#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/file_error.h"

namespace deadhold {

// Where the program keeps its load book and catalogues, from how it was started.
struct FilesFolderChoice {
  std::filesystem::path folder;
  bool perUser = false;                           // the user's own folder, not one named or found
  std::optional<std::filesystem::path> loadFile;  // a load file to offer for import
  std::string problem;                            // an argument that names nothing, said in a line
};

// `arguments` follow the program's name: a folder among them is the one used, a file is offered
// for import. Without a folder the working folder is used when it already holds the load book or
// a catalogue (a terminal opened there, `make run`), the per-user folder when it does not (the
// desktop's menu).
FilesFolderChoice chooseFilesFolder(const std::vector<std::filesystem::path>& arguments,
                                    const std::filesystem::path& workingFolder,
                                    const std::filesystem::path& perUserFolder);

// Makes the per-user folder on first start and copies the starter catalogues into it. A folder
// that exists already is left as the user keeps it.
std::optional<FileError> prepareFilesFolder(const std::filesystem::path& folder,
                                            const std::filesystem::path& starterCatalogues);

}  // namespace deadhold
