#pragma once

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ballistics/ballistics_report.h"
#include "engine/engine.h"
#include "loads/load_database.h"
#include "loads/load_exchange.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"
#include "support/temp_folder.h"

namespace deadhold::testing {

// A load with every recipe text set, different for each number.
inline LoadRecord numberedLoad(int number) {
  LoadRecord load = blankLoadRecord();
  const std::string n = std::to_string(number);
  load.caliber.assign(number % 2 ? ".270 Win" : ".308");
  load.bulletMfg.assign("Maker " + n);
  load.bulletType.assign("Type " + n);
  load.bulletWeight = static_cast<float>(100 + number % 120);
  load.ballisticCoeff = 0.4f;
  load.avVelocity = 2800.0f + static_cast<float>(number % 300);
  load.loadName.assign("Load number " + n);
  load.notes.assign("Notes of load " + n + "\r\nsecond line");
  return load;
}

// A book of `count` loads, made the way a large book is read: from its file, sorted once.
inline std::unique_ptr<LoadDatabase> bookOf(const std::filesystem::path& file, int count,
                                            int firstNumber) {
  std::string bytes(kDatabaseHeaderSize, '\0');
  const std::int32_t header[3] = {1, count, 0};
  std::memcpy(bytes.data(), header, sizeof header);
  for (int i = 0; i < count; ++i) {
    const LoadRecordBytes record = loadRecordBytes(numberedLoad(firstNumber + i));
    bytes.append(reinterpret_cast<const char*>(record.data()), record.size());
  }
  writeBytes(file, bytes);
  auto book = std::make_unique<LoadDatabase>(file);
  book->readDatabase();
  return book;
}

// One of the program's file writers, able to write either of two contents to its file.
struct ProgramWriter {
  std::string name;
  std::filesystem::path file;
  std::function<std::optional<FileError>(bool first)> write;
};

// Every writer of the program into `folder`: RELOADER.DAT (a book of `bookSize` loads), a .BLD
// export, LOAD.TXT and BALLISTIC.TXT.
inline std::vector<ProgramWriter> programWriters(const std::filesystem::path& folder,
                                                 int bookSize) {
  const auto book = folder / kDatabaseFileName;
  std::shared_ptr<LoadDatabase> firstBook = bookOf(book, bookSize, 0);
  std::shared_ptr<LoadDatabase> secondBook = bookOf(book, bookSize, 100000);
  std::filesystem::remove(book);

  auto engine = std::make_shared<Engine>();
  const BallisticInputs firstInputs{0.436, 130, 3016, 250, 1.5, 70, 500};
  const BallisticInputs secondInputs{0.5, 168, 2650, 100, 1.75, 40, 5000};
  engine->computeTrajectory(firstInputs);
  auto firstTable = std::make_shared<TrajectoryTable>(engine->table());
  engine->computeTrajectory(secondInputs);
  auto secondTable = std::make_shared<TrajectoryTable>(engine->table());

  return {
      {"RELOADER.DAT", book,
       [=](bool first) { return (first ? firstBook : secondBook)->writeDatabase(); }},
      {"LOADDATA.BLD", folder / "LOADDATA.BLD",
       [=, file = folder / "LOADDATA.BLD"](bool first) -> std::optional<FileError> {
         if (auto failure = exportLoad(file, numberedLoad(first ? 1 : 2))) return failure->error;
         return std::nullopt;
       }},
      {"LOAD.TXT", folder / "LOAD.TXT",
       [file = folder / "LOAD.TXT"](bool first) {
         return writeLoadTextReport(file, numberedLoad(first ? 1 : 2));
       }},
      {"BALLISTIC.TXT", folder / "BALLISTIC.TXT",
       [=, file = folder / "BALLISTIC.TXT"](bool first) {
         return first ? writeBallisticsReport(file, firstInputs, "First load", *firstTable)
                      : writeBallisticsReport(file, secondInputs, "Second load", *secondTable);
       }},
  };
}

// The bytes a writer puts in its file for either contents.
inline std::string contentsOf(const ProgramWriter& writer, bool first) {
  if (writer.write(first)) throw std::runtime_error("cannot write " + writer.name);
  return readBytes(writer.file);
}

}  // namespace deadhold::testing
