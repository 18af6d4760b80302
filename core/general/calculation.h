// The general omenary's calculation: the codes of the persons, the year and the three directions,
// the verdict on each of the twelve branches, and the stars of the year and the months.
#pragma once

#include <string>
#include <string_view>

#include "core/general/general_values.h"

namespace omenary::general {

// True when the degree lies in one of the two windows inside the wide boundary zones 5/6 and 11/12
// (135.6 ... 142.5, 315.6 ... 322.5): there every earlier "no" of the verdict is lifted and the
// page blanks the direction's tilted first row.
bool InWideZoneWindow(std::string_view degree);

// "yes" when branch n (1 ... 12) may be used, else "no".
std::string UsableBranchVerdict(const GeneralValues& values, int n);

// Writes n into the first free slot of the list; nothing when every slot is taken.
void AddUsableBranch(GeneralValues& values, int n);
void AddUnusableBranch(GeneralValues& values, int n);

// "01 = ชวด" -> "ชวด"; any other text as it is.
std::string BareBranchName(const std::string& listText);

// The person lists' texts before the calculation turned them into bare names.
struct PersonTexts {
    std::string ComboBoxperson1;
    std::string ComboBoxperson2;
};

// Everything the calculation computes before the page is built: the person lists turned into bare
// names (returns their texts to put back after the page), every code, both branch lists and the
// stars for the given current month.
PersonTexts CalculateGeneralOmenary(GeneralValues& values, int currentMonth);

// Puts the person lists' texts back, as they stood before the calculation.
void RestorePersonTexts(GeneralValues& values, const PersonTexts& texts);

}  // namespace omenary::general
