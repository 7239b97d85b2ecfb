#include "shell/files_folder.h"

#include <array>
#include <system_error>

#include "common/file_reading.h"
#include "common/path_text.h"
#include "common/safe_file_writer.h"
#include "components/component_list.h"
#include "components/component_text.h"
#include "loads/load_database.h"

namespace deadhold {
namespace {

constexpr std::array<const char*, 3> kCatalogues = {kBulletCatalogue, kPowderCatalogue,
                                                    kPrimerCatalogue};

bool holdsProgramFiles(const std::filesystem::path& folder) {
  std::error_code error;
  if (std::filesystem::exists(folder / kDatabaseFileName, error)) return true;
  for (const char* catalogue : kCatalogues) {
    if (std::filesystem::exists(folder / catalogue, error)) return true;
  }
  return false;
}

}  // namespace

FilesFolderChoice chooseFilesFolder(const std::vector<std::filesystem::path>& arguments,
                                    const std::filesystem::path& workingFolder,
                                    const std::filesystem::path& perUserFolder) {
  FilesFolderChoice choice;
  for (const auto& argument : arguments) {
    const std::filesystem::path absolute = workingFolder / argument;
    std::error_code error;
    const auto status = std::filesystem::status(absolute, error);
    if (std::filesystem::is_directory(status)) {
      if (choice.folder.empty()) choice.folder = absolute.lexically_normal();
    } else if (std::filesystem::exists(status)) {
      if (!choice.loadFile) choice.loadFile = absolute.lexically_normal();
    } else if (choice.problem.empty()) {
      choice.problem = "There is no file or folder " + pathText(argument) + ".";
    }
  }
  if (!choice.folder.empty()) return choice;
  if (holdsProgramFiles(workingFolder)) {
    choice.folder = workingFolder;
  } else {
    choice.folder = perUserFolder;
    choice.perUser = true;
  }
  return choice;
}

std::optional<FileError> prepareFilesFolder(const std::filesystem::path& folder,
                                            const std::filesystem::path& starterCatalogues) {
  std::error_code error;
  if (std::filesystem::is_directory(folder, error)) return std::nullopt;
  if (!std::filesystem::create_directories(folder, error) || error)
    return FileError{"Could not make the folder " + pathText(folder) + ": " +
                     (error ? error.message() : "it is in the way of a file")};
  for (const char* catalogue : kCatalogues) {
    const FileContents starter = readWholeFile(starterCatalogues / catalogue, kCatalogueSizeLimit);
    if (starter.outcome != FileContents::Outcome::Read)
      return readError(starterCatalogues / catalogue, starter.reason);
    if (auto failure = writeFileSafely(folder / catalogue, starter.bytes)) return failure;
  }
  return std::nullopt;
}

}  // namespace deadhold
