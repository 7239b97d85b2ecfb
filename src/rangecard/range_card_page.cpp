#include "rangecard/range_card_page.h"

#include <utility>

#include "loads/load_rules.h"
#include "rangecard/range_card_fields.h"
#include "rangecard/range_card_graph.h"

namespace deadhold {

namespace {

// Where a card starts before any settings: the default values, a 10 mph wind from the right
// for the wind holds, and the air by altitude (a load records its range's elevation).
RangeCardTexts startingTexts() {
  RangeCardValues values;
  values.windSpeed = 10;
  values.windAngle = 90;
  values.airEntry = AirEntry::Altitude;
  return rangeCardTexts(values);
}

}  // namespace

RangeCardPage::RangeCardPage(LoadDatabase& database, Dialogs& dialogs, UserSettings& settings,
                             std::string defaultLabel)
    : database_(database),
      dialogs_(dialogs),
      settings_(settings),
      defaultLabel_(std::move(defaultLabel)),
      texts_(startingTexts()) {}

std::pair<BallisticInputs, std::string> RangeCardPage::currentLoad() const {
  if (const LoadRecord* load = database_.currentLoad()) {
    return {{load->ballisticCoeff, load->bulletWeight, load->avVelocity, load->targetDistance,
             load->scopeHeight, load->temperature, load->elevation},
            loadDescription(*load)};
  }
  const RangeCardValues defaults;
  return {{defaults.ballisticCoeff, defaults.bulletWeight, defaults.muzzleVelocity,
           defaults.zeroRange, defaults.sightHeight, defaults.temperature, defaults.altitude},
          defaultLabel_};
}

void RangeCardPage::handOver() {
  if (!handedOver_) recallCardSettings(settings_, texts_);
  const auto load = currentLoad();
  if (handedOver_ == load) return;
  startFrom(load);
  recomputePending_ = true;
}

void RangeCardPage::getLoadData() {
  startFrom(currentLoad());
  calculate();
}

void RangeCardPage::startFrom(const std::pair<BallisticInputs, std::string>& load) {
  handedOver_ = load;
  takeLoadValues(load.first, texts_);
  recallBulletSettings(settings_, load.second, texts_);
  card_.label = load.second;
}

const std::string& RangeCardPage::fieldText(RangeCardField field) const {
  return texts_[textOfField(field, texts_)];
}

const char* RangeCardPage::airValueCaption() const {
  return kAirValueCaptions[texts_.airEntry == 1 ? 1 : 0];
}

void RangeCardPage::editField(RangeCardField field, const std::string& text) {
  texts_[textOfField(field, texts_)] = text;
}

void RangeCardPage::chooseDragFunction(int entry) {
  texts_.dragFunction = entry == 1 ? 1 : 0;
}

void RangeCardPage::chooseAirEntry(int entry) {
  texts_.airEntry = entry == 1 ? 1 : 0;
}

void RangeCardPage::chooseClickUnit(int entry) {
  texts_.clickUnit = entry == 1 ? 1 : 0;
}

void RangeCardPage::clearResults() {
  resultsValid_ = false;
  card_.table = {};
  listRows_.clear();
  notes_.clear();
}

void RangeCardPage::calculate() {
  const RangeCardValues values = rangeCardValues(texts_);
  const std::string invalid = rangeCardErrorText(values);
  if (!invalid.empty()) {
    clearResults();
    dialogs_.messageBox(invalid, kRangeCardErrorTitle, Buttons::Ok, Icon::Exclamation);
    return;
  }
  card_ = makeRangeCard(values, card_.label, solver_);
  if (!card_.table.zeroFound) {
    clearResults();
    dialogs_.messageBox(zeroNotFoundText(values), kZeroNotFoundTitle, Buttons::Ok,
                        Icon::Exclamation);
    return;
  }
  listRows_.clear();
  for (const PointMassRow& row : card_.table.rows)
    listRows_.push_back(rangeCardCells(row, values.clickSize, values.clickUnit));
  notes_ = rangeCardNotes(card_);
  resultsValid_ = true;
  rememberSettings(settings_, card_.label, texts_);
}

void RangeCardPage::print(RangeCardPrinter& printer) {
  calculate();
  if (resultsValid_) printer.printRangeCard(card_);
}

void RangeCardPage::runPendingRecompute() {
  if (!recomputePending_) return;
  recomputePending_ = false;
  calculate();
}

void RangeCardPage::drawGraph(Surface& surface, const Rect& area) const {
  drawRangeCardGraph(surface, area, card_.table.rows, 1);
}

}  // namespace deadhold
