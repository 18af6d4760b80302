#include "core/astro/stars.h"

#include "core/astro/codes.h"
#include "core/astro/cycles.h"
#include "core/astro/relations.h"
#include "core/common/text.h"

namespace omenary::astro {

namespace {

// Base of the month stars for the twelve branches in code order: 8 for 子午卯酉, 5 for 辰戌丑未,
// 2 for 寅申巳亥.
constexpr std::array<std::string_view, 12> kMonthStarBase = {"8", "5", "2", "8", "5", "2",
                                                             "8", "5", "2", "8", "5", "2"};

// A sum of two digits is replaced by the sum of its digits, once (19 -> 10 stays 10).
int FoldOnce(int s) {
    return s >= 10 ? s / 10 + s % 10 : s;
}

// Count a star down by one, wrapping from 1 to 9.
int StarBelow(int star) {
    --star;
    while (star < 1)
        star += 9;
    return star;
}

std::string MonthAfter(int month, int ahead) {
    return TwoDigits(month + ahead > 12 ? month + ahead - 12 : month + ahead);
}

}  // namespace

void DeriveYearOfWork(int beYear, YearOfWork& year) {
    year.LabelRasibonYearProcess = StemOfBEYear(beYear);
    year.LabelRasirangYearProcess = BranchOfBEYear(beYear);
    year.ComboBoxYearProcess = BranchNameOfCode(year.LabelRasirangYearProcess);
    year.Labelchongyear = ClashCode(year.LabelRasirangYearProcess);
    year.Labelevilyeartreasury = EvilYearTreasuryCode(year.LabelRasirangYearProcess);
    year.Labelevilyearmaster = EvilYearMasterCode(year.LabelRasirangYearProcess);
    year.Labelevilyearmeans = EvilYearMeansCode(year.LabelRasirangYearProcess);
    if (std::string tidTodToy = TidTodToyOfYearStem(year.LabelRasibonYearProcess); !tidTodToy.empty())
        year.LabelTidTodToy = std::move(tidTodToy);
}

std::string TidTodToyOfYearStem(std::string_view stemCode) {
    return TextOf(kTidTodToy, stemCode);
}

std::string MonthStarBase(std::string_view branchName) {
    return TextOf(kMonthStarBase, BranchCodeOfName(branchName));
}

std::string YearStarRule(std::string_view beYearText, int currentMonth) {
    if (beYearText.size() != 4 || !ParseDigits(beYearText) || currentMonth < 1 || currentMonth > 12)
        return {};
    int s = 0;
    for (const char digit : beYearText)
        s += digit - '0';
    if (currentMonth == 1) s -= 1;
    s = FoldOnce(s);
    s = FoldOnce(14 - s);
    return std::to_string(s);
}

MonthStars MonthStarRule(std::string_view yearBranchName, int currentMonth) {
    const auto base = ParseDigits(MonthStarBase(yearBranchName));
    if (!base || currentMonth < 1 || currentMonth > 12) return {};
    int star = static_cast<int>(*base) - currentMonth + 2;
    while (star < 1)
        star += 9;
    MonthStars stars;
    stars.Labelmonthstar1 = std::to_string(star);
    stars.Labelnextmonthstar1 = MonthAfter(currentMonth, 1);
    stars.Labelmonthstar2 = std::to_string(star = StarBelow(star));
    stars.Labelnextmonthstar2 = MonthAfter(currentMonth, 2);
    stars.Labelmonthstar3 = std::to_string(star = StarBelow(star));
    stars.Labelnextmonthstar3 = MonthAfter(currentMonth, 3);
    stars.Labelmonthstar4 = std::to_string(StarBelow(star));
    return stars;
}

}  // namespace omenary::astro
