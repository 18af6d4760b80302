// The marriage omenary's calculation: copies of the person codes, the forbidden branches, the months
// and the hour from the relation tables, and the usable branches for the hour, day, month and year.
#pragma once

#include <string>

#include "core/marriage/marriage_values.h"

namespace omenary::marriage {

// "no" when the candidate branch code is forbidden by a clash of a person or of the child, else "yes".
std::string MarriageBranchVerdict(const MarriageValues& values, const std::string& candidate);
// "no" on the no-offspring hour, else "yes".
std::string MarriageHourVerdict(const MarriageValues& values, const std::string& candidate);
// "no" on any of the thirteen bad months, else "yes".
std::string MarriageMonthVerdict(const MarriageValues& values, const std::string& candidate);

// Every step of the calculate button before the page: overwrites every value it derives, the four
// lists cleared first. Reads only the person codes, never the lists' texts.
void CalculateMarriageOmenary(MarriageValues& values);

}  // namespace omenary::marriage
