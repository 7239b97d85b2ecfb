#pragma once

#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "loads/load_record.h"
#include "loads/load_rules.h"
#include "loads/load_text_report.h"
#include "support/same_bytes.h"

namespace deadhold::fuzz {

// A text of a record from a file may lack its NUL; then it is exactly its width, never more.
template <std::size_t Width>
void requireInsideField(const FixedText<Width>& text) {
  require(text.view().size() < Width || text.view() == std::string_view(text.bytes.data(), Width),
          "a text is read inside its field");
}

template <std::size_t Width>
void requireReportLine(const std::string& report, const char* label, const FixedText<Width>& text) {
  requireInsideField(text);
  require(report.find(std::string(label) + std::string(text.view()) + "\n") != std::string::npos,
          "the report carries each text as stored, and nothing beyond it");
}

// What the pages and reports make of any record: every text line holds its own field's bytes.
inline void requireSoundTexts(const LoadRecord& load) {
  const std::string report = loadTextReport(load);
  requireReportLine(report, "Load Name: ", load.loadName);
  requireReportLine(report, "Bullet Mfg: ", load.bulletMfg);
  requireReportLine(report, "Bullet Type: ", load.bulletType);
  requireReportLine(report, "Bullet Caliber: ", load.caliber);
  requireReportLine(report, "Powder Mfg: ", load.powderMfg);
  requireReportLine(report, "Powder Type: ", load.powderType);
  requireReportLine(report, "Powder Lot Number: ", load.powderLot);
  requireReportLine(report, "Primer Mfg: ", load.primerMfg);
  requireReportLine(report, "Primer Size: ", load.primerSize);
  requireReportLine(report, "Primer Type: ", load.primerType);
  requireReportLine(report, "Primer Lot Number: ", load.primerLot);
  requireReportLine(report, "Case Mfg: ", load.caseMfg);
  requireReportLine(report, "Cartridge Mfg Date: ", load.mfgDate);
  requireReportLine(report, "Cartridge Lot Number: ", load.cartridgeLot);
  requireReportLine(report, "~~~~~~~~~~~~~~~~~~\n", load.notes);
  requireInsideField(load.wind);

  const std::string description = loadDescription(load);
  require(description.starts_with(std::string(load.caliber.view()) + " Cal, "),
          "the load description starts with the caliber as stored");
  // Out-of-range and NaN numbers must convert without undefined behaviour.
  ballisticsValidityWarning(load);
  ballisticInputsOf(load);
}

}  // namespace deadhold::fuzz
