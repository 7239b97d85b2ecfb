#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/file_error.h"
#include "common/large_buffer.h"
#include "loads/load_book_file.h"
#include "loads/load_record.h"

namespace deadhold {

inline constexpr const char* kDatabaseFileName = "RELOADER.DAT";

// The load book: every LoadRecord, kept in the order of their sort key, and the current load.
// Records are owned here and keep their address until they are removed or the database is
// cleared or read again, so the pages may hold plain pointers in between. The records read from
// the file stay where the read put them, in one block; sorting orders pointers to them.
//
// A load's fields may be changed in place, all but its caliber: that changes only through the
// database (replaceLoad, repairCalibers), so that the book's caliber runs are known without a
// walk over every load.
class LoadDatabase {
 public:
  explicit LoadDatabase(std::filesystem::path file = kDatabaseFileName);

  const std::filesystem::path& file() const { return file_; }

  // Replaces the list with the file's records and returns how many it read. A missing file
  // leaves the list as it was and reads 0. A file shorter than its header claims yields the
  // records it holds, the last one completed with zeros. A file that exists but cannot be read,
  // or is no load book, reads 0, and readProblem() says why.
  int readDatabase();
  // Writes the whole list over the file, safely: on failure the file keeps its old contents and
  // the reason comes back. While no file has been read or written, an empty book writes
  // nothing; after that an emptied book is written as one. A file that could not be read is
  // never overwritten, so nothing the user could not see is lost. The first write that changes
  // the file keeps what it held as the backup file beside it (see backupFileOf).
  [[nodiscard]] std::optional<FileError> writeDatabase();

  // Moves a file that is no load book out of the way (see setFileAside) and starts a new, empty
  // book in its place. On failure the file stays, and so does the refusal to write over it.
  SetAsideOutcome setAsideForeignFile();

  // Appends a copy (with an empty link), re-sorts and returns the copy; the current load stays.
  LoadRecord& addLoadCopy(const LoadRecord& record);
  // Frees the record. A current load at the head passes to its successor, elsewhere to its
  // predecessor; the last load removed leaves none.
  void removeLoad(const LoadRecord* record);
  // Gives a load of the list new contents in place: it keeps its position, and the list is not
  // sorted again.
  void replaceLoad(LoadRecord& load, const LoadRecord& contents);
  void clearDatabase();

  int loadCount() const { return static_cast<int>(loads_.size()); }
  // Null when the position is outside the list.
  LoadRecord* loadAt(int position);
  const LoadRecord* loadAt(int position) const;
  // -1 when the record is not in the list.
  int indexOfLoad(const LoadRecord* record) const;

  // Stable ascending order of "%s %d %s %s" (caliber, weight cut to a whole number, bullet
  // maker, bullet type) compared with A-Z folded; the weight compares as text, so 150 grains
  // sort before 55.
  void sortLoads();

  // Gives every caliber that is empty or all spaces the caliber "Unknown"; returns how many
  // were replaced (0: nothing to report). The list is not re-sorted.
  int repairCalibers();

  // The runs of neighbouring loads whose calibers match with A-Z folded, as the position of each
  // run's first load; worked out once after each change of the list.
  const std::vector<int>& caliberRuns() const;

  LoadRecord* currentLoad() { return current_; }
  const LoadRecord* currentLoad() const { return current_; }
  // A record of the list, or null for none; a record from elsewhere makes none current.
  void setCurrentLoad(LoadRecord* record);

  const DatabaseHeader& header() const { return header_; }
  bool fileWasRead() const { return fileWasRead_; }
  // Why the last read could not take the file (it exists, but could not be opened or read
  // through, or is no load book), or nothing.
  const std::optional<FileError>& readProblem() const { return readProblem_; }
  // The file the last read found is something else than a load book.
  bool fileIsNoLoadBook() const { return fileIsNoLoadBook_; }

 private:
  struct CaliberRuns {
    std::vector<int> starts;
    bool anyMissing = false;  // a caliber empty or all spaces
  };
  const CaliberRuns& knownCaliberRuns() const;
  void takeRecords(LargeBuffer fileBytes);

  std::filesystem::path file_;
  LargeBuffer fileRecords_;  // the file as read: header, then the records in the file's order
  std::vector<std::unique_ptr<LoadRecord>> added_;  // records added since, each on its own
  std::vector<LoadRecord*> loads_;                  // the book, in order
  mutable std::optional<CaliberRuns> caliberRuns_;  // none until asked for after a change
  LoadRecord* current_ = nullptr;
  DatabaseHeader header_;
  bool fileWasRead_ = false;
  bool fileWritten_ = false;
  bool fileChanged_ = false;  // a write of this session changed the file
  bool fileIsNoLoadBook_ = false;
  std::optional<FileError> readProblem_;
};

}  // namespace deadhold
