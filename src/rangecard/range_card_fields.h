#pragma once

#include <string>

#include "engine/trajectory.h"
#include "platform/user_settings.h"
#include "rangecard/range_card_texts.h"
#include "rangecard/range_card_values.h"

namespace deadhold {

// What the texts stand for. A number is the whole text, blanks around it allowed; anything
// else reads as not-a-number, which no range takes. An empty twist, bullet length or diameter
// reads as 0: no spin drift.
RangeCardValues rangeCardValues(const RangeCardTexts& texts);

// The fields' texts of a set of values, each number as short as it can be written.
RangeCardTexts rangeCardTexts(const RangeCardValues& values);

// The text a field of the view shows and edits: the coefficient of the chosen drag function,
// the altitude or the pressure as chosen.
RangeCardText textOfField(RangeCardField field, const RangeCardTexts& texts);

// A load's seven values into the texts: its G1 coefficient, weight, velocity, the shot
// string's range (the zero) and conditions, and its scope height. A value the record holds as
// 0 was never entered: the zero becomes 100 yd, the scope height 1.5 in, the temperature 59 F.
void takeLoadValues(const BallisticInputs& load, RangeCardTexts& texts);

// The values no load record has a place for, in the user's settings: per bullet (by the load's
// description) the drag function, G7 coefficient, twist, length and diameter; for every card the
// air entry and pressure, humidity, wind, look angle, clicks, step and maximum range. Recalling
// leaves a text without a setting as it is.
void recallBulletSettings(const UserSettings& settings, const std::string& bullet,
                          RangeCardTexts& texts);
void recallCardSettings(const UserSettings& settings, RangeCardTexts& texts);
void rememberSettings(UserSettings& settings, const std::string& bullet,
                      const RangeCardTexts& texts);

}  // namespace deadhold
