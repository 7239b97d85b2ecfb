#include "loads/load_text_report.h"

#include "common/cformat.h"
#include "loads/load_rules.h"

namespace deadhold {
namespace {

template <std::size_t Width>
std::string line(const char* format, const FixedText<Width>& text) {
  return cformat(format, text.str().c_str());
}

}  // namespace

std::string loadTextReport(const LoadRecord& load) {
  std::string report;
  report += "Cartridge Load Information\n";
  report += "~~~~~~~~~~~~~~~~~~~~~~~~~~\n";
  report += line("Load Name: %s\n", load.loadName);
  report += line("Bullet Mfg: %s\n", load.bulletMfg);
  report += line("Bullet Type: %s\n", load.bulletType);
  report += line("Bullet Caliber: %s\n", load.caliber);
  report += cformat("Bullet Weight: %.0f\n", load.bulletWeight);
  report += cformat("Ballistic Coeff: %.3f\n", load.ballisticCoeff);
  report += line("Powder Mfg: %s\n", load.powderMfg);
  report += line("Powder Type: %s\n", load.powderType);
  report += cformat("Powder Weight: %.3f\n", load.powderWeight);
  report += line("Powder Lot Number: %s\n", load.powderLot);
  report += line("Primer Mfg: %s\n", load.primerMfg);
  report += line("Primer Size: %s\n", load.primerSize);
  report += line("Primer Type: %s\n", load.primerType);
  report += line("Primer Lot Number: %s\n", load.primerLot);
  report += line("Case Mfg: %s\n", load.caseMfg);
  report += cformat("Case Length: %.03f\n", load.caseLength);
  report += cformat("Case # Times Loaded: %.0f\n", load.timesReloaded);
  report += cformat("Cartridge OAL: %.03f\n", load.cartridgeOal);
  report += cformat("Comparator OAL: %.03f\n", load.comparatorOal);
  report += cformat("Av. Group size: %.03f\n", load.avGroup);
  report += cformat("Av. Group Velocity: %.0f\n", load.avVelocity);
  report += line("Cartridge Mfg Date: %s\n", load.mfgDate);
  report += line("Cartridge Lot Number: %s\n", load.cartridgeLot);
  report += cformat("Moly Coated: %s\n", flagReportText(load.moly));
  report += cformat("Crimped: %s\n", flagReportText(load.crimp));
  report += "\n";
  report += "Shot String Data\n";
  report += "~~~~~~~~~~~~~~~~\n";
  for (int n = 1; n <= kShotCount; ++n) {
    const ShotRecord& shot = load.shots[n - 1];
    report += cformat("#%2i) ", n);
    report += cformat("X Distance: %6.03f ", shot.shotX);
    report += cformat("Y Distance: %6.03f ", shot.shotY);
    report += cformat("Radius: %6.03f ", shot.shotRadius);
    report += cformat("Velocity: %6.0f\n", shot.shotVelocity);
  }
  report += "\n";
  report += "Target Range Notes\n";
  report += "~~~~~~~~~~~~~~~~~~\n";
  report += line("%s\n", load.notes);
  return report;
}

std::optional<FileError> writeLoadTextReport(const std::filesystem::path& file,
                                             const LoadRecord& load) {
  return writeTextFileSafely(file, loadTextReport(load));
}

}  // namespace deadhold
