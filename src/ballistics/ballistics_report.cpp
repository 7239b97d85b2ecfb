#include "ballistics/ballistics_report.h"

#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {

namespace {

constexpr int kReportStep = 25;
constexpr int kReportLastYard = 800;

void appendLoadBlock(std::string& report, const BallisticInputs& in, const std::string& label) {
  report += "Load Data\n";
  report += "~~~~~~~~~\n";
  report += "\n";
  // Appended, not formatted: the label is printed as it is, percent signs and all.
  report += "Name: " + label + "\n";
  report += cformat("Ballistic Coeff: %.3f\n", in.ballisticCoeff);
  report += cformat("Bullet Weight: %i\n", cutToInt(in.bulletWeight));
  report += cformat("Velocity: %i\n", cutToInt(in.muzzleVelocity));
  report += cformat("Target Distance: %i\n", cutToInt(in.targetDistance));
  report += cformat("Scope Height: %.3f\n", in.scopeHeight);
  report += cformat("Temperature: %i\n", cutToInt(in.temperature));
  report += cformat("Altitude: %i\n", cutToInt(in.altitude));
}

void appendBallisticTable(std::string& report, const TrajectoryTable& table) {
  report += "\n";
  report += "Ballistic Data\n";
  report += "~~~~~~~~~~~~~~~\n";
  report +=
      "  Range  Elevation  Velocity   Energy     ETA         Drop      Max Y"
      "  10mph Wind Deflect\n";
  for (int yard = 0; yard <= kReportLastYard; yard += kReportStep) {
    const TrajectoryPoint& p = table[yard];
    report +=
        cformat("%3.0f yds%8.2f in%6.0f fps%6.0f fpe%7.3f sec%8.2f in%7.2f in%8.2f in\n", p.range,
                p.elevation, p.velocity, p.energy, p.time, p.drop, p.maxY, p.windDeflection);
  }
}

void appendLeadTable(std::string& report, const TrajectoryTable& table) {
  report += "\n";
  report += "Moving Target Lead Data\n";
  report += "~~~~~~~~~~~~~~~~~~~~~~~\n";
  report +=
      " Range       5 Mph     10 Mph     15 Mph     20 Mph     25 Mph     30 Mph"
      "     35 Mph     40 Mph     45 Mph     50 Mph     55 Mph     60 Mph\n";
  for (int yard = 0; yard <= kReportLastYard; yard += kReportStep) {
    const TrajectoryPoint& p = table[yard];
    report += cformat("%3.0f yds", p.range);
    for (double lead : p.lead) report += cformat("%8.2f ft", lead);
    report += "\n";
  }
}

}  // namespace

std::string ballisticsReport(const BallisticInputs& inputs, const std::string& label,
                             const TrajectoryTable& table) {
  std::string report;
  appendLoadBlock(report, inputs, label);
  appendBallisticTable(report, table);
  appendLeadTable(report, table);
  return report;
}

std::optional<FileError> writeBallisticsReport(const std::filesystem::path& file,
                                               const BallisticInputs& inputs,
                                               const std::string& label,
                                               const TrajectoryTable& table) {
  return writeTextFileSafely(file, ballisticsReport(inputs, label, table));
}

}  // namespace deadhold
