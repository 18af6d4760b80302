#include "core/astro/cycles.h"

#include "core/astro/codes.h"
#include "core/common/text.h"

namespace omenary::astro {

namespace {

// Subtract-and-reduce counting from a fixed base year, as every caller has always done it.
std::string CycleCode(int beYear, int baseYear, int cycle) {
    const int n = beYear - baseYear;
    return n >= 1 ? std::to_string((n - 1) % cycle + 1) : std::string{};
}

// Two-digit month code "01" ... "12" -> 1 ... 12; nothing else.
std::optional<int> MonthNumber(std::string_view twoDigitMonth) {
    if (twoDigitMonth.size() != 2) return std::nullopt;
    const auto n = ParseDigits(twoDigitMonth);
    return n && *n >= 1 && *n <= 12 ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

}  // namespace

std::string StemOfBEYear(int beYear) {
    return CycleCode(beYear, 2436, 10);
}
std::string BranchOfBEYear(int beYear) {
    return CycleCode(beYear, 2442, 12);
}

bool YearHasCodes(std::string_view beYear) {
    const auto year = ParseDigits(beYear);
    return year && *year < 100000 && !StemOfBEYear(static_cast<int>(*year)).empty() &&
           !BranchOfBEYear(static_cast<int>(*year)).empty();
}

std::optional<std::string> YearWithoutCodesRefusal(std::string_view beYear) {
    if (YearHasCodes(beYear)) return std::nullopt;
    return "ปี พ.ศ. " + std::string(beYear) + " ใช้ไม่ได้ โปรแกรมใช้ได้กับปี พ.ศ. " +
           std::to_string(kFirstYearWithCodes) + " ขึ้นไปเท่านั้น";
}

std::string BranchNameOfCode(std::string_view branchCode) {
    return TextOf(kBranchNames, branchCode);
}
std::string StemNameOfCode(std::string_view stemCode) {
    return TextOf(kStemNames, stemCode);
}
std::string TwoHourPeriodText(int branch) {
    return TextAt(kTwoHourPeriods, branch);
}
std::string WeekdayAbbreviation(int dayOfWeek) {
    return TextAt(kWeekdayAbbreviations, dayOfWeek);
}

std::string MonthNameOfCode(std::string_view twoDigitMonth) {
    const auto n = MonthNumber(twoDigitMonth);
    return n ? TextAt(kMonthNames, *n) : std::string{};
}

std::string BranchListItem(std::string_view branchCode) {
    const auto n = ParseCode(branchCode, 12);
    return n ? TwoDigits(*n) + " = " + TextAt(kBranchNames, *n) : std::string{};
}

std::string MonthListItem(std::string_view twoDigitMonth) {
    const auto n = MonthNumber(twoDigitMonth);
    return n ? std::string(twoDigitMonth) + " = " + TextAt(kMonthNames, *n) : std::string{};
}

std::array<std::string, 12> BranchListItems() {
    std::array<std::string, 12> items;
    for (int i = 1; i <= 12; ++i)
        items[static_cast<std::size_t>(i - 1)] = BranchListItem(std::to_string(i));
    return items;
}

std::array<std::string, 12> MonthListItems() {
    std::array<std::string, 12> items;
    for (int i = 1; i <= 12; ++i)
        items[static_cast<std::size_t>(i - 1)] = MonthListItem(TwoDigits(i));
    return items;
}

std::string ElementPictureOfName(std::string_view elementName) {
    return TextOf(kElementPictures, CodeOfText(kElementNames, elementName));
}

}  // namespace omenary::astro
