#include "loadinfo/load_info_fields.h"

#include "common/cformat.h"
#include "loads/shot_statistics.h"

namespace deadhold {

std::string loadInfoFieldText(const LoadRecord& load, LoadInfoField field) {
  switch (field) {
    case LoadInfoField::bulletMfg:
      return load.bulletMfg.str();
    case LoadInfoField::bulletType:
      return load.bulletType.str();
    case LoadInfoField::caliber:
      return load.caliber.str();
    case LoadInfoField::bulletWeight:
      return cformat("%.0f", load.bulletWeight);
    case LoadInfoField::ballisticCoeff:
      return cformat("%.3f", load.ballisticCoeff);
    case LoadInfoField::powderMfg:
      return load.powderMfg.str();
    case LoadInfoField::powderType:
      return load.powderType.str();
    case LoadInfoField::powderWeight:
      return cformat("%.1f", load.powderWeight);
    case LoadInfoField::powderLot:
      return load.powderLot.str();
    case LoadInfoField::primerMfg:
      return load.primerMfg.str();
    case LoadInfoField::primerType:
      return load.primerType.str();
    case LoadInfoField::primerSize:
      return load.primerSize.str();
    case LoadInfoField::primerLot:
      return load.primerLot.str();
    case LoadInfoField::caseMfg:
      return load.caseMfg.str();
    case LoadInfoField::caseWeight:
      return cformat("%0.2f", load.caseWeight);
    case LoadInfoField::caseLength:
      return cformat("%.03f", load.caseLength);
    case LoadInfoField::timesReloaded:
      return cformat("%.0f", load.timesReloaded);
    case LoadInfoField::cartridgeOal:
      return cformat("%.03f", load.cartridgeOal);
    case LoadInfoField::comparatorOal:
      return cformat("%.03f", load.comparatorOal);
    case LoadInfoField::avVelocity:
      return cformat("%.0f", load.avVelocity);
    case LoadInfoField::avGroup:
      return cformat("%.03f", load.avGroup);
    case LoadInfoField::mfgDate:
      return load.mfgDate.str();
    case LoadInfoField::cartridgeLot:
      return load.cartridgeLot.str();
  }
  return {};
}

ShotListRow shotListRow(const ShotRecord& shot, int number) {
  return {cformat("#%i)", number), cformat("%0.0f fps", shot.shotVelocity),
          cformat("%0.03f in", shot.shotX), cformat("%0.03f in", shot.shotY),
          cformat("%0.03f in", shot.shotRadius)};
}

std::array<std::string, 2> statisticsLines(const LoadRecord& load) {
  const VelocityTexts texts = velocityTexts(shotStatistics(load).velocity);
  if (texts.mean.empty()) return {};
  std::string spread = "ES " + texts.extremeSpread;
  if (!texts.standardDeviation.empty()) spread += "  SD " + texts.standardDeviation;
  return {"Shots " + texts.shots + "  Mean " + texts.mean, spread};
}

}  // namespace deadhold
