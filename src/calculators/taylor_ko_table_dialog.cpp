#include "calculators/taylor_ko_table_dialog.h"

#include "calculators/unit_constants.h"
#include "common/cformat.h"
#include "common/numbers.h"

namespace deadhold {

TaylorKoTableDialog::TaylorKoTableDialog(const Engine& engine, Dialogs& dialogs)
    : engine_(engine), dialogs_(dialogs) {}

double TaylorKoTableDialog::knockout(double bulletWeight, double velocity, double caliber) {
  return bulletWeight * velocity * caliber * kPoundsPerGrain;
}

void TaylorKoTableDialog::initialise(double caliber) {
  informationLine_.clear();
  rows_.clear();
  if (caliber < 0) {
    dialogs_.messageBox(kInvalidCaliberMessage, kInvalidCaliberTitle, Buttons::Ok,
                        Icon::Exclamation);
    return;
  }
  const double weight = engine_.lastInputs().bulletWeight;
  informationLine_ = cformat("Caliber: %.3f, Bullet Weight: %d grns", caliber, cutToInt(weight));
  for (const SpeciesRating& species : kSpeciesRatings) {
    TaylorKoRow row{species.name, {}};
    for (std::size_t k = 1; k <= row.ratings.size(); ++k) {
      const double velocity = engine_.table()[100 * k].velocity;
      row.ratings[k - 1] = species.rate(knockout(weight, velocity, caliber));
    }
    rows_.push_back(std::move(row));
  }
}

}  // namespace deadhold
