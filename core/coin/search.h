// The coin search: from the start date on, the first four days on which one two-hour period suits
// the giver's pair and the first two days on which the whole day does, from the calendar data file
// that covers the start year.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar/index.h"
#include "core/calendar/records.h"
#include "core/coin/coin_values.h"
#include "core/platform/messages.h"
#include "core/report/calculation_view.h"

namespace omenary::coin {

inline constexpr std::string_view kBadStartDate = "วันเดือนปีเกิดไม่ถูกต้อง";
inline constexpr std::string_view kInsertDataDisk = "กรุณาใส่แผ่นข้อมูล ";
// How every message starts that stops a search because the calendar cannot give its days.
inline constexpr std::string_view kCalendarUnusable = "ค้นหาฤกษ์ไม่ได้ เพราะ";
// The hour branches the search examines; the periods of branches 1 to 3 (23:30 to 04:30) never are.
inline constexpr int kFirstHour = 4;
inline constexpr int kLastHour = 12;

// What the search needs of the program around it.
struct SearchContext {
    const calendar::CalendarIndex* index = nullptr;  // null: no calendar index was loaded
    std::filesystem::path workingDirectory;
    platform::Messages& messages;
    report::CalculationView& view;  // the hourglass while a calendar file is read
    bool mapCalendar = false;       // the calendar file mapped rather than copied (see ReadTextLines)
};

// A text of decimal digits as a number (a year, a day, a code); nothing for any other text.
std::optional<int> Number(std::string_view text);

// The free date slot n (1 ... 6) holds "ฤกษ์ n".
std::string FreeSlotText(int slot);

// Days of a month of a BE year, by the Gregorian rule (year − 543); 31 for a month that is not 1 ... 12.
int DaysInMonth(int month, int beYear);

// Stem of hour branch h on a day of stem d (both from 1).
int HourStem(int dayStem, int hour);

// The time text one hour of a day gives the giver: a two-hour period, "ทั้งวัน", or nothing when
// no match holds or an exclusion clears it.
std::optional<std::string> HourMatch(int giverStem, int giverBranch, int dayStem, int dayBranch, int hour);

// "จ.5 มกราคม 2547" for the record of 5 January 2547; without the weekday when the key is no real date.
std::string DateText(std::string_view dateKey);

// The calendar data file of that name: the name itself (relative to the working directory), then the
// bare file name in the working directory, letter case ignored.
std::optional<std::filesystem::path> FindCalendarData(const std::filesystem::path& workingDirectory,
                                                      const std::string& name);

enum class SearchOutcome {
    Searched,
    DataFileGivenUp,  // the data file was missing and the user gave up: the loaded lines were walked
    // The index names no file for the start year, the file cannot be read, or the loaded file does
    // not hold the start date: said in a message, every slot left free.
    CalendarUnusable,
};

// `ButtonCalOmenaryCoinClick`: the whole search over the working values.
SearchOutcome ButtonCalOmenaryCoinClick(CoinValues& values, const SearchContext& context);

}  // namespace omenary::coin
