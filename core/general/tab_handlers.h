// The event handling of the general omenary's tab: leaving the degree inputs, the plus, minus and
// step-size buttons, the person lists and the year of the work.
#pragma once

#include <string>
#include <vector>

#include "core/common/leave.h"
#include "core/general/general_values.h"
#include "core/platform/messages.h"

namespace omenary::general {

// Judges one direction against the year of the work from its accepted degree.
void EvaluateAspect(GeneralValues& values, Aspect aspect);

// Leaving a degree input: validates it, copies it to the directions below and judges them.
Leave EditaspectExit(GeneralValues& values, Aspect aspect);

// Plus or minus of a row: steps the row's input and copies it down. A text that is not a number
// cannot be stepped: the beep, and nothing changes.
void SpeedButtonStepClick(GeneralValues& values, Aspect aspect, bool up, platform::Messages& messages);

// The step-size button of a row: 45 -> 90 -> 180 -> 1 -> 45.
void SpeedButtonDeffClick(GeneralValues& values, Aspect aspect);

Leave ComboBoxperson1Exit(const GeneralValues& values);
Leave ComboBoxperson2Exit(const GeneralValues& values);

// Leaving the year of the work: a year of the list whose stem and branch exist gives the year's
// codes and declining direction, and the three directions are judged again. An item of the list
// without them (a calendar of the user's own reaches back further) is refused with a message.
Leave YearOfWorkUpdate(GeneralValues& values, const std::vector<std::string>& yearItems,
                       platform::Messages& messages);

// The year's values without validation and without judging the directions (the first start).
void DeriveYearOfWorkValues(GeneralValues& values);

}  // namespace omenary::general
