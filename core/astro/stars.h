// The year of the work and its flying stars: the values that judge directions against the year, the
// star of the year and the stars of the current month and the next three.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace omenary::astro {

// Working values derived from the year of the work.
struct YearOfWork {
    std::string LabelRasibonYearProcess;      // stem code
    std::string LabelRasirangYearProcess;     // branch code
    std::string ComboBoxYearProcess = "ชวด";  // Thai name of that branch
    std::string Labelchongyear;               // clash of the year's branch
    std::string Labelevilyeartreasury;
    std::string Labelevilyearmaster;
    std::string Labelevilyearmeans;
    std::string LabelTidTodToy;  // declining direction of the year in degrees
};

// Codes, branch name, clash and evil codes, and declining direction of a BE year. A stem without a
// declining direction leaves LabelTidTodToy as it was.
void DeriveYearOfWork(int beYear, YearOfWork& year);

// Declining direction of a year by its stem: "0", "90", "45", "45", "225", "225", ...
inline constexpr std::array<std::string_view, 10> kTidTodToy = {"0",   "90",  "45",  "45",  "225",
                                                                "225", "135", "135", "270", "270"};
std::string TidTodToyOfYearStem(std::string_view stemCode);

// 月紫白 base of the month stars by the branch name of the year; empty for any other text.
std::string MonthStarBase(std::string_view branchName);

// 年紫白 star of the year ("1" ... "9") from the four-digit year text; January still belongs to the
// previous star year. Empty when the text is not four digits or the month is not 1 ... 12.
std::string YearStarRule(std::string_view beYearText, int currentMonth);

// Stars of the current month and the next three, and the two-digit codes of those next months.
struct MonthStars {
    std::string Labelmonthstar1;
    std::string Labelmonthstar2;
    std::string Labelmonthstar3;
    std::string Labelmonthstar4;
    std::string Labelnextmonthstar1;
    std::string Labelnextmonthstar2;
    std::string Labelnextmonthstar3;
};

// All empty when the branch name has no base or the month is not 1 ... 12.
MonthStars MonthStarRule(std::string_view yearBranchName, int currentMonth);

}  // namespace omenary::astro
