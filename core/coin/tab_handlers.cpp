#include "core/coin/tab_handlers.h"

#include "core/astro/cycles.h"
#include "core/common/text.h"
#include "core/report/page.h"

namespace omenary::coin {

namespace {

// The pair of BE 2467 + n is stem n mod 10 + 1, branch n mod 12 + 1.
constexpr int kFirstCycleYear = 2467;
constexpr int kCycle = 60;
// The giver is at most 69 years old, counting the birth year as 1.
constexpr int kOldestAge = 69;
std::optional<int> Code(const std::string& text, int max) {
    const auto n = Number(text);
    return n && *n >= 1 && *n <= max ? n : std::nullopt;
}

bool Chosen(const CoinValues& values) {
    return values.LabelRasibon != kNoStem && values.LabelRasiLang != kNoBranch;
}

// Loads both pictures or reports the first that is missing.
bool LoadPictures(const platform::PictureFiles& pictures, platform::Messages& messages,
                  std::initializer_list<std::pair<std::string*, std::string>> slots) {
    for (const auto& [slot, file] : slots) {
        if (!report::PictureLoadsOrReport(pictures, messages, file)) return false;
        *slot = file;
    }
    return true;
}

// Start year − birth year + 1.
std::string AgeOf(const CoinValues& values) {
    const auto start = Number(values.ComboBoxYY), birth = Number(values.LabelCoinDetail2);
    return start && birth ? std::to_string(*start - *birth + 1) : std::string{};
}

void WorkOutAge(CoinValues& values) {
    values.LabelCoinDetail2 = BirthYearOfPair(values.LabelRasibon, values.LabelRasiLang, values.ComboBoxYY);
    values.LabelCoinDetail3 = AgeOf(values);
}

Leave LeaveStartDateList(CoinValues& values, bool isItem, const SearchContext& context) {
    if (!isItem) return Leave::Refused;
    if (values.ButtonCalOmenaryCoin) {
        WorkOutAge(values);
        ButtonCalOmenaryCoinClick(values, context);
    }
    return Leave::Accepted;
}

}  // namespace

std::string BirthYearOfPair(const std::string& stem, const std::string& branch,
                            const std::string& startYear) {
    const auto s = Code(stem, 10), b = Code(branch, 12);
    const auto start = Number(startYear);
    if (!s || !b || !start || !IsCoinPair(*s, *b)) return {};
    // The pair's year in the first cycle, then as many whole cycles on as the age limit needs.
    int n = 0;
    while (n < kCycle && (n % 10 != *s - 1 || n % 12 != *b - 1))
        ++n;
    const int first = kFirstCycleYear + n;
    const int earliest = *start - (kOldestAge - 1);  // start − Y < 69
    const int cycles = earliest > first ? (earliest - first + kCycle - 1) / kCycle : 0;
    int year = first + cycles * kCycle;
    // Nobody is born after the start year: before the first cycle's year of the pair the cycle
    // runs on backwards, to the latest year of the pair up to the start year.
    if (year > *start) year -= (year - *start + kCycle - 1) / kCycle * kCycle;
    return std::to_string(year);
}

void ClearCoinResults(CoinValues& values) {
    values.LabelCoinDetail1.clear();
    values.LabelCoinDetail2.clear();
    values.LabelCoinDetail3.clear();
    values.LabelOmenaryCoin.fill(std::string(kDateSlotInitial));
    values.LabelOmenaryTimeCoin.fill(std::string(kTimeSlotInitial));
}

SearchOutcome AcceptCoinPair(CoinValues& values, const SearchContext& context) {
    values.ButtonCalOmenaryCoin = true;
    values.ButtonPrintOmenaryCoin = true;
    values.LabelCoinDetail3 = AgeOf(values);
    return ButtonCalOmenaryCoinClick(values, context);
}

bool CheckCoinPair(CoinValues& values, const SearchContext& context) {
    const auto s = Code(values.LabelRasibon, 10), b = Code(values.LabelRasiLang, 12);
    if (!s || !b || !IsCoinPair(*s, *b)) {
        values.ButtonCalOmenaryCoin = false;
        values.ButtonPrintOmenaryCoin = false;
        ClearCoinResults(values);
        context.messages.Beep();
        return false;
    }
    values.LabelCoinDetail2 = BirthYearOfPair(values.LabelRasibon, values.LabelRasiLang, values.ComboBoxYY);
    AcceptCoinPair(values, context);
    return true;
}

Click SpeedButtonOnClick(CoinValues& values, int k, const platform::PictureFiles& pictures,
                         const SearchContext& context) {
    values.SpeedButtonOn = k;
    values.LabelRasibon = TwoDigits(k);
    const std::string n = std::to_string(k);
    if (!LoadPictures(
            pictures, context.messages,
            {
                { &values.ImageRasibon, "O" + n + ".BMP"},
                {&values.ImageNRasibon, "N" + n + ".BMP"}
    }))
        return Click::PictureMissing;
    if (Chosen(values) && CheckCoinPair(values, context))
        values.LabelCoinDetail1 = astro::BranchNameOfCode(std::to_string(*Code(values.LabelRasiLang, 12)));
    return Click::Done;
}

Click SpeedButtonBelowClick(CoinValues& values, int k, const platform::PictureFiles& pictures,
                            const SearchContext& context) {
    values.SpeedButtonBelow = k;
    values.LabelRasiLang = TwoDigits(k);
    const std::string n = std::to_string(k);
    if (!LoadPictures(
            pictures, context.messages,
            {
                { &values.ImageRasilang, "B" + n + ".BMP"},
                {&values.ImageNRasilang, "N" + n + ".BMP"}
    }))
        return Click::PictureMissing;
    values.LabelCoinDetail1 = astro::BranchNameOfCode(n);
    if (Chosen(values)) CheckCoinPair(values, context);
    return Click::Done;
}

Leave ComboBoxDDExit(CoinValues& values, const SearchContext& context) {
    return LeaveStartDateList(values, IsListItem(DayItems(), values.ComboBoxDD), context);
}

Leave ComboBoxMMExit(CoinValues& values, const SearchContext& context) {
    return LeaveStartDateList(values, IsListItem(MonthItems(), values.ComboBoxMM), context);
}

Leave ComboBoxYYExit(CoinValues& values, const std::vector<std::string>& yearItems,
                     const SearchContext& context) {
    return LeaveStartDateList(values, IsListItem(yearItems, values.ComboBoxYY), context);
}

}  // namespace omenary::coin
