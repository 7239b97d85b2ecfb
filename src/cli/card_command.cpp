#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "command_registry.h"
#include "common/ansi_text.h"
#include "common/cformat.h"
#include "engine/atmosphere.h"
#include "file_name_check.h"
#include "load_book.h"
#include "pdf_printout.h"
#include "printing/range_card_printout.h"
#include "rangecard/range_card.h"
#include "rangecard/range_card_cells.h"
#include "real_option.h"
#include "shell/shell_texts.h"
#include "text_columns.h"

namespace deadhold::cli {
namespace {

constexpr const char* kCsvHeader =
    "range_yd,velocity_fps,energy_ftlb,time_s,path_in,path_moa,path_mil,windage_in,windage_moa,"
    "windage_mil\n";
constexpr double kDefaultDiameter = 0.277;  // the default load's .270 bullet
constexpr double kMilClick = 0.1;

std::string textCard(const RangeCard& card) {
  std::string text = card.label.empty() ? "" : ansiToUtf8(card.label) + "\n";
  for (const std::string& line : rangeCardConditions(card.values)) text += line + "\n";
  for (const std::string& line : rangeCardNotes(card)) text += line + "\n";
  std::vector<TextRow> rows(1);
  for (const RangeCardColumn& column : kRangeCardColumns) rows[0].push_back(column.heading);
  for (const PointMassRow& row : card.table.rows) {
    const RangeCardCells cells = rangeCardCells(row, card.values.clickSize, card.values.clickUnit);
    rows.emplace_back(cells.begin(), cells.end());
  }
  return text + "\n" + alignColumns(rows);
}

// The solver's values as they are, for other programs.
std::string csvCard(const RangeCard& card) {
  std::string text = kCsvHeader;
  for (const PointMassRow& r : card.table.rows)
    text += cformat("%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g,%.17g\n", r.range,
                    r.velocity, r.energy, r.time, r.path, inchesToMoa(r.path, r.range),
                    inchesToMil(r.path, r.range), r.windage, inchesToMoa(r.windage, r.range),
                    inchesToMil(r.windage, r.range));
  return text;
}

// "Value Range Error: " and each invalid value's line, on one line.
std::string oneLineErrors(const std::string& lines) {
  std::string text = kRangeCardErrorTitle;
  text += ":";
  std::size_t start = 0;
  for (std::size_t end; (end = lines.find('\n', start)) != std::string::npos; start = end + 1) {
    text += start == 0 ? " " : "; ";
    text += lines.substr(lines.find_first_not_of(' ', start),
                         end - lines.find_first_not_of(' ', start));
  }
  return text;
}

struct CardCommand {
  explicit CardCommand(CLI::App& command) {
    values.bulletDiameter = kDefaultDiameter;
    command.add_option("--drag", drag, "the drag function the coefficient refers to")
        ->check(CLI::IsMember({"g1", "g7"}))
        ->default_str("g1");
    const struct {
      const char* name;
      double& target;
      const char* description;
    } reals[] = {
        {"--bc", values.ballisticCoeff, "ballistic coefficient"},
        {"--weight", values.bulletWeight, "bullet weight, grains"},
        {"--velocity", values.muzzleVelocity, "muzzle velocity, ft/s"},
        {"--zero", values.zeroRange, "zero range, yards"},
        {"--sight-height", values.sightHeight, "line of sight over the bore, inches"},
        {"--temp", values.temperature, "air temperature, degrees F"},
        {"--pressure", values.pressure, "station pressure, inches of mercury"},
        {"--altitude", values.altitude, "altitude in the ICAO standard atmosphere, feet"},
        {"--humidity", values.humidity, "relative humidity, percent"},
        {"--wind", values.windSpeed, "wind speed, mph"},
        {"--wind-angle", values.windAngle,
         "where the wind comes from: 0 behind, 90 from the right"},
        {"--look-angle", values.lookAngle, "up (+) or down (-) hill, degrees"},
        {"--twist", values.twist, "inches per turn of the rifling (right hand): adds spin drift"},
        {"--length", values.bulletLength, "bullet length, inches (with --twist)"},
        {"--diameter", values.bulletDiameter, "bullet diameter, inches (with --twist)"},
        {"--click", values.clickSize, "click size in --unit; 0.1 for MIL when not given"},
        {"--step", values.rangeStep, "yards between rows"},
        {"--to", values.maxRange, "last row, yards (to 2000)"},
    };
    for (const auto& real : reals)
      options.push_back(addRealOption(command, real.name, real.target, real.description));
    option("--pressure")->excludes(option("--altitude"));
    option("--twist")->needs(option("--length"));
    option("--length")->needs(option("--twist"));
    command.add_option("--unit", unit, "the unit of clicks, come-ups and holds")
        ->check(CLI::IsMember({"moa", "mil"}))
        ->default_str("moa");
    command.add_option("--label", label,
                       "the load's name on the card; without it, the default load's name for the "
                       "default load, none for another");
    command.add_option("--format", format, "text: the card's table; csv: every value with %.17g")
        ->check(CLI::IsMember({"text", "csv"}))
        ->default_str("text");
    command.add_option("--pdf", pdf, "write the printed card to this PDF instead")
        ->type_name("OUT.pdf")
        ->check(kFileNameCheck);
  }

  CLI::Option* option(const std::string& name) const {
    for (CLI::Option* o : options)
      if (o->check_lname(name.substr(2))) return o;
    return nullptr;
  }

  int run() {
    values.dragFunction = drag == "g7" ? DragFunction::G7 : DragFunction::G1;
    values.clickUnit = unit == "mil" ? ClickUnit::Mil : ClickUnit::Moa;
    if (values.clickUnit == ClickUnit::Mil && option("--click")->count() == 0)
      values.clickSize = kMilClick;
    if (option("--altitude")->count() > 0) {
      values.airEntry = AirEntry::Altitude;
      if (option("--temp")->count() == 0)
        values.temperature = standardAtmosphere(values.altitude).temperature;
    }
    const std::string invalid = invalidRangeCardLines(values);
    if (!invalid.empty()) {
      refuse(oneLineErrors(invalid));
      return kExitRefused;
    }
    const bool defaultLoad = values.ballisticCoeff == RangeCardValues{}.ballisticCoeff &&
                             values.bulletWeight == RangeCardValues{}.bulletWeight &&
                             values.muzzleVelocity == RangeCardValues{}.muzzleVelocity &&
                             values.dragFunction == DragFunction::G1;
    if (label.empty() && defaultLoad) label = kDefaultLoadLabel;
    PointMassSolver solver;
    const RangeCard card = makeRangeCard(values, utf8ToAnsi(label), solver);
    if (!card.table.zeroFound) {
      refuse(MessageCollector::oneLine({zeroNotFoundText(values), kZeroNotFoundTitle}));
      return kExitRefused;
    }
    if (!pdf.empty()) {
      return printToPdf(pdf, [&](PdfPrinterDialogs& dialogs) {
        printRangeCard(card, dialogs);
        return kExitOk;
      });
    }
    std::cout << (format == "csv" ? csvCard(card) : textCard(card));
    return kExitOk;
  }

  RangeCardValues values;
  std::vector<CLI::Option*> options;
  std::string drag = "g1";
  std::string unit = "moa";
  std::string label;
  std::string format = "text";
  std::string pdf;
};

void setupCard(CLI::App& app, int& exitStatus) {
  CLI::App* command = app.add_subcommand(
      "card", "Range card of the point-mass solver: come-ups and wind holds to 2000 yards");
  command->footer(
      "Defaults: the default load (G1 0.436, 130 gr, 3016 ft/s), zero 100 yd, sight height\n"
      "1.5 in, the ICAO standard atmosphere at sea level (59 F, 29.92 inHg, dry), no wind,\n"
      "level, a row every 100 yd to 1000, clicks of 0.25 MOA. With --altitude and no --temp the\n"
      "temperature is the standard atmosphere's there too. Coefficients are referenced to that\n"
      "sea-level air. --twist and --length add spin drift (Litz's approximation with Miller's\n"
      "stability factor); --diameter defaults to the default load's 0.277 in.\n"
      "text shows the Range Card page's table: path and wind drift in inches, MOA and MIL, and\n"
      "the clicks that correct them (U/D, L/R). csv: path negative below the line of sight,\n"
      "windage positive to the right. --pdf writes the printed card instead (a Letter page).\n"
      "Values out of range or a zero that cannot be met: one line on standard error, exit 2.");
  auto state = std::make_shared<CardCommand>(*command);
  command->callback([state, &exitStatus] { exitStatus = state->run(); });
}

const CommandRegistration registration(13, &setupCard);

}  // namespace
}  // namespace deadhold::cli
