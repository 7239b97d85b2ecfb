#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "chrono/chrono_file.h"
#include "loadinfo/velocity_import.h"
#include "loads/load_record.h"
#include "platform/dialogs.h"
#include "platform/surface.h"

namespace deadhold {

// The large target's fields. The radius and the group size are shown only.
enum class ShotStringField : std::size_t {
  xDistance,
  yDistance,
  velocity,
  radius,
  groupSize,
  targetDistance,
  wind,
  notes,
  temp,
  elevation,
  scopeHeight,
  // The shot string's statistics, shown only.
  shots,
  meanVelocity,
  extremeSpread,
  standardDeviation,
  meanRadius,
};
inline constexpr std::size_t kShotStringFieldCount = 16;

// The large target ("Shot String Info") on a load itself: the user picks a shot number and
// places its hole by a right-click on the target or by typing its distances, types its
// velocity, and edits the range conditions. Every change goes straight into the load; there is
// no undo. Coordinates are the dialog's client pixels: the target's top 490 rows are drawn at
// (152, 0), 480 by 392 pixels, 80 pixels to the inch, the aim point at (392, 240).
class ShotStringDialog {
 public:
  static constexpr const char* kTitle = "Shot String Info";
  static constexpr int kTargetLeft = 152;
  static constexpr int kTargetTop = 0;
  static constexpr int kTargetWidth = 480;
  static constexpr int kTargetHeight = 392;
  static constexpr float kTargetScale = 0.8f;
  static constexpr int kAimX = 392;
  static constexpr int kAimY = 240;
  // The pointer counts as over the target right of this column and above this row.
  static constexpr int kPointerLeft = 152;
  static constexpr int kPointerBottom = 394;

  static constexpr const char* kNoShotMessage = "Please Select a Shot # to edit first";
  static constexpr const char* kNoShotTitle = "Error";

  static constexpr const char* kImportCaption = "&Import Velocities\u2026";

  // Opening: nothing selected, nothing hidden, the group size computed into the load, the range
  // conditions shown from it. Chronograph files are looked for in `startDirectory` first.
  ShotStringDialog(LoadRecord& load, Dialogs& dialogs, std::filesystem::path startDirectory = {});

  // Radio buttons "Shot #1" to "Shot #10".
  void selectShot(int number);
  void pointerMoved(int x, int y);
  // The pointer left the target for a place where it reports no moves (a field, outside).
  void pointerLeftTarget();
  void rightButtonReleased();
  // The user changed a field's text (every keystroke).
  void typeText(ShotStringField field, std::string text);
  void setHideOthers(bool hide);
  void resetHole();
  // Asks first; the velocities stay, and shot #1 becomes the selected shot.
  void resetAll();
  // "Import Velocities...": a chronograph file's series, one of which `chooseSeries` lets the
  // user take (false: cancelled); its velocities replace the shots' after a question when
  // there are velocities to replace. The file's format is told from its content unless `kind`
  // names it.
  void importVelocities(const std::function<bool(ImportVelocitiesDialog&)>& chooseSeries,
                        ChronoKind kind = ChronoKind::automatic);
  // "&Return", Enter in a field or the close box: the load's velocity becomes the mean of the
  // placed shots. Escape does not close the dialog.
  void close();

  // The target with the holes, at the dialog's client coordinates.
  void paint(Surface& surface) const;

  const std::string& fieldText(ShotStringField field) const {
    return fieldTexts_[static_cast<std::size_t>(field)];
  }
  static const char* fieldLabel(ShotStringField field);
  // The most characters the user may type, 0 for a field shown only.
  static int fieldLimit(ShotStringField field);

  const std::string& pointerXLine() const { return pointerXLine_; }
  const std::string& pointerYLine() const { return pointerYLine_; }
  int selectedShot() const { return selectedShot_; }
  bool hideOthers() const { return hideOthers_; }
  bool pointerOverTarget() const { return pointerOverTarget_; }
  float pointerX() const { return pointerX_; }
  float pointerY() const { return pointerY_; }
  bool closed() const { return closed_; }
  const LoadRecord& load() const { return load_; }

 private:
  std::string& text(ShotStringField field) { return fieldTexts_[static_cast<std::size_t>(field)]; }
  // Shows the selected shot's values and recomputes the group size.
  void showSelectedShot();
  // The group size into the load, and every statistic shown.
  void computeStatistics();
  // With no shot selected the user is told to choose one first.
  ShotRecord* editedShot();

  LoadRecord& load_;
  Dialogs& dialogs_;
  std::filesystem::path startDirectory_;
  std::array<std::string, kShotStringFieldCount> fieldTexts_;
  std::string pointerXLine_;
  std::string pointerYLine_;
  int selectedShot_ = -1;
  bool hideOthers_ = false;
  bool pointerOverTarget_ = false;
  float pointerX_ = 0.0f;
  float pointerY_ = 0.0f;
  bool closed_ = false;
};

}  // namespace deadhold
