#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "chrono/chrono_series.h"
#include "loads/load_record.h"

namespace deadhold {

// "Import Velocities...": the series of one chronograph file, of which the user takes one and,
// when it holds more than ten shots, the ten to take. Series without shots are listed but
// cannot be taken.
class ImportVelocitiesDialog {
 public:
  static constexpr const char* kTitle = "Import Velocities";
  static constexpr std::array<const char*, 5> kColumns = {"Series", "Shots", "Mean", "ES", "SD"};
  using Row = std::array<std::string, kColumns.size()>;

  // Opens on the first series that holds shots, from its first shot.
  ImportVelocitiesDialog(std::string fileName, ChronoSeriesList list);

  const std::string& fileName() const { return fileName_; }
  const std::vector<Row>& rows() const { return rows_; }
  // What the reader left out of the file, one line each.
  const std::vector<std::string>& warnings() const { return list_.warnings; }

  void chooseSeries(int row);
  int chosenSeries() const { return chosen_; }
  // The first shot of the series to take (1-based), from 1 to lastFirstShot().
  void chooseFirstShot(int shot);
  int firstShot() const { return first_; }
  int lastFirstShot() const;
  // Which shots go where, e.g. "Shots 3 to 12 of 14 become shots 1 to 10".
  std::string rangeText() const;

  bool canImport() const;
  void accept() { accepted_ = canImport(); }
  bool accepted() const { return accepted_; }

  // The velocities to write, in ft/s: at most ten, from the first shot chosen.
  std::span<const double> chosenVelocities() const;
  const std::string& chosenName() const;

 private:
  std::string fileName_;
  ChronoSeriesList list_;
  std::vector<Row> rows_;
  int chosen_ = -1;
  int first_ = 1;
  bool accepted_ = false;
};

// Writes the velocities into shots 1, 2, ... and clears the velocities of the shots after them,
// so that the string is the imported one alone. Holes and every other field stay.
void writeShotVelocities(LoadRecord& load, std::span<const double> velocities);

// True when some shot already holds a velocity that the import would replace.
bool holdsVelocities(const LoadRecord& load);

// The question asked before velocities are replaced.
std::string replaceVelocitiesQuestion(const ImportVelocitiesDialog& choice);

}  // namespace deadhold
