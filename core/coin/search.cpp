#include "core/coin/search.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include "core/astro/cycles.h"
#include "core/common/text.h"
#include "core/platform/files.h"

namespace omenary::coin {

namespace {

namespace fs = std::filesystem;

bool IsGregorianLeapYear(int year) {
    return std::chrono::year{year}.is_leap();
}

bool SlotFree(const CoinValues& values, int slot) {
    return values.LabelOmenaryCoin[static_cast<std::size_t>(slot - 1)] == FreeSlotText(slot);
}

// What placing a result did to the walk.
enum class Placed { NextHour, NextRecord, EndWalk };

void FillSlot(CoinValues& values, int slot, std::string_view dateKey, const std::string& time) {
    values.LabelOmenaryCoin[static_cast<std::size_t>(slot - 1)] = DateText(dateKey);
    values.LabelOmenaryTimeCoin[static_cast<std::size_t>(slot - 1)] = time;
}

Placed Place(CoinValues& values, std::string_view dateKey, const std::string& time) {
    if (time == kWholeDay) {
        bool filled = false;
        for (const int slot : {5, 6}) {
            if (!SlotFree(values, slot)) continue;
            FillSlot(values, slot, dateKey, time);
            filled = true;
            break;
        }
        if (!SlotFree(values, 4) && !SlotFree(values, 6)) return Placed::EndWalk;
        return filled ? Placed::NextRecord : Placed::NextHour;
    }
    for (int slot = 1; slot <= kTimedSlots; ++slot) {
        if (!SlotFree(values, slot)) continue;
        FillSlot(values, slot, dateKey, time);
        return slot == kTimedSlots && !SlotFree(values, 6) ? Placed::EndWalk : Placed::NextRecord;
    }
    return Placed::NextHour;
}

// Walks one record's hours; false when the walk ends with it.
bool ExamineRecord(CoinValues& values, const calendar::DayRecord& day, int giverStem, int giverBranch) {
    for (int hour = kFirstHour; hour <= kLastHour; ++hour) {
        values.LabelRasioneON = std::to_string(day.stem);
        values.LabelRasioneBELOW = std::to_string(day.branch);
        values.LabelRasiwayraON = std::to_string(HourStem(day.stem, hour));
        values.LabelRasiwayraBELOW = std::to_string(hour);
        const auto time = HourMatch(giverStem, giverBranch, day.stem, day.branch, hour);
        if (!time) continue;
        switch (Place(values, day.dateKey, *time)) {
            case Placed::NextHour:
                continue;
            case Placed::NextRecord:
                return true;
            case Placed::EndWalk:
                return false;
        }
    }
    return true;
}

// False when no record holds the start key.
bool Walk(CoinValues& values, const std::string& startKey, int giverStem, int giverBranch) {
    bool started = false;
    std::size_t offset = 0;
    while (const auto next = values.listboxcalendar.NextLine(&offset)) {
        const std::string_view line = *next;
        if (!started) {
            if (line.substr(0, calendar::kDateKeyLength) != startKey) continue;
            started = true;
        }
        // A short or garbled line is no day: it matches nothing.
        const auto day = calendar::ReadDayRecord(line);
        if (day && !ExamineRecord(values, *day, giverStem, giverBranch)) break;
    }
    return started;
}

std::string ReadFailureInThai(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "ไม่มีสิทธิ์อ่านไฟล์นี้";
        case EFBIG:
            return "ไฟล์ใหญ่เกิน " + std::to_string(calendar::CalendarDataLimitInMegabytes()) +
                   " MB ซึ่งไม่ใช่ไฟล์ปฏิทิน";
        case EINVAL:
            return "ชื่อนี้ไม่ใช่ไฟล์ธรรมดา";
        default:
            return "ระบบแจ้งว่า " + std::string(std::strerror(error));
    }
}

enum class Load { Ready, GivenUp, Failed };

Load Unusable(const SearchContext& context, const std::string& why) {
    context.messages.Show(platform::MessageIcon::Error, std::string(kCalendarUnusable) + why);
    return Load::Failed;
}

// Looks the data file up, asking for it while it is missing, and loads it unless it is loaded
// already. A year no range of the index holds and a file that cannot be read are reported.
Load LoadCalendarData(CoinValues& values, const SearchContext& context, int startYear) {
    if (context.index == nullptr) return Load::Ready;
    const std::string name = context.index->CalendarFileForYear(startYear);
    if (name.empty())
        return Unusable(context, "ดัชนีปฏิทิน " + std::string(calendar::kIndexFileName) +
                                     " ไม่ได้ระบุไฟล์ปฏิทินของปี พ.ศ. " + std::to_string(startYear));
    std::optional<fs::path> found = FindCalendarData(context.workingDirectory, name);
    while (!found) {
        if (!context.messages.Ask(std::string(kInsertDataDisk) + name)) return Load::GivenUp;
        found = FindCalendarData(context.workingDirectory, name);
    }
    if (found->string() == values.LabelCurrentDataCalendar) return Load::Ready;
    context.view.ShowHourglass();
    auto lines = calendar::ReadCalendarData(*found, context.mapCalendar);
    context.view.RestoreCursor();
    if (!lines)
        return Unusable(context, "อ่านไฟล์ปฏิทิน " + found->string() +
                                     " ไม่ได้: " + ReadFailureInThai(calendar::CalendarDataReadError(*found)));
    values.listboxcalendar = std::move(*lines);
    values.LabelCurrentDataCalendar = found->string();
    return Load::Ready;
}

}  // namespace

std::optional<int> Number(std::string_view text) {
    // Nothing the tab holds goes beyond a five-digit year; this keeps the arithmetic far from overflow.
    constexpr long long kLargest = 99999;
    const auto n = ParseDigits(text);
    return n && *n <= kLargest ? std::optional<int>(static_cast<int>(*n)) : std::nullopt;
}

std::string FreeSlotText(int slot) {
    return "ฤกษ์ " + std::to_string(slot);
}

int DaysInMonth(int month, int beYear) {
    switch (month) {
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return IsGregorianLeapYear(beYear - 543) ? 29 : 28;
        default:
            return 31;
    }
}

int HourStem(int dayStem, int hour) {
    int stem = 2 * dayStem - 2 + hour;
    while (stem > 10)
        stem -= 10;
    return stem;
}

std::optional<std::string> HourMatch(int giverStem, int giverBranch, int dayStem, int dayBranch, int hour) {
    const int hourStem = HourStem(dayStem, hour);
    std::optional<std::string> time;
    const std::string period = astro::TwoHourPeriodText(hour);
    // Each match that holds writes its text; a later one overwrites an earlier one's.
    if (giverBranch > 4 && hourStem == giverStem && hour == giverBranch) time = period;
    if (hourStem == giverStem && dayBranch == giverBranch) time = period;
    if (dayStem == giverStem && hour == giverBranch) time = period;
    if (dayStem == giverStem && dayBranch == giverBranch) time = std::string(kWholeDay);
    const bool clash = hour == dayBranch + 6 || hour == dayBranch - 6;
    const bool stemsFiveApart = hourStem - dayStem == 5 || dayStem - hourStem == 5;
    const auto special = [](int b) { return b == 1 || b == 2 || b == 7 || b == 8; };
    const bool harm = special(dayBranch) || special(hour) ? dayBranch - hour == 1 || hour - dayBranch == 1
                                                          : dayBranch + hour == 15;
    if (clash || stemsFiveApart || harm) return std::nullopt;
    return time;
}

std::string DateText(std::string_view dateKey) {
    if (dateKey.size() < calendar::kDateKeyLength) return {};
    const std::string_view year = dateKey.substr(0, 4);
    const std::string_view month = dateKey.substr(5, 2);
    const auto beYear = Number(year), m = Number(month), d = Number(dateKey.substr(8, 2));
    std::string weekday;
    if (beYear && m && d) {
        const std::chrono::year_month_day date{std::chrono::year{*beYear - 543},
                                               std::chrono::month{static_cast<unsigned>(*m)},
                                               std::chrono::day{static_cast<unsigned>(*d)}};
        if (date.ok())
            weekday = astro::WeekdayAbbreviation(
                static_cast<int>(std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding()) + 1);
    }
    return weekday + (d ? std::to_string(*d) : std::string(dateKey.substr(8, 2))) + " " +
           astro::MonthNameOfCode(month) + " " + std::string(year);
}

std::optional<fs::path> FindCalendarData(const fs::path& workingDirectory, const std::string& name) {
    if (name.empty()) return std::nullopt;
    const fs::path given(name);
    std::error_code error;
    if (given.is_absolute()) {
        if (fs::is_regular_file(given, error)) return given;
    } else if (auto found = platform::FindIgnoringCase(workingDirectory / given.parent_path(),
                                                       given.filename().string())) {
        return found;
    }
    return platform::FindIgnoringCase(workingDirectory, given.filename().string());
}

SearchOutcome ButtonCalOmenaryCoinClick(CoinValues& values, const SearchContext& context) {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        values.LabelOmenaryCoin[static_cast<std::size_t>(slot - 1)] = FreeSlotText(slot);
        // A slot left free shows no time of an earlier search beside its placeholder.
        values.LabelOmenaryTimeCoin[static_cast<std::size_t>(slot - 1)] = std::string(kTimeSlotInitial);
    }
    // "02 = กุมภาพันธ์" and "02" both give "02"; any other text is used as it stands.
    const std::string month = values.ComboBoxMM.substr(0, 2);
    const auto startYear = Number(values.ComboBoxYY);
    const auto monthNumber = Number(month);
    const int days = DaysInMonth(monthNumber.value_or(0), startYear.value_or(0));
    if (const auto day = Number(values.ComboBoxDD); day && *day > days) {
        context.messages.Show(platform::MessageIcon::Error, kBadStartDate);
        values.ComboBoxDD = std::to_string(days);
    }

    const Load load = startYear ? LoadCalendarData(values, context, *startYear) : Load::Ready;
    const auto giverStem = Number(values.LabelRasibon), giverBranch = Number(values.LabelRasiLang);
    const std::string startKey = values.ComboBoxYY + " " + month + " " + values.ComboBoxDD;
    SearchOutcome outcome = load == Load::Ready     ? SearchOutcome::Searched
                            : load == Load::GivenUp ? SearchOutcome::DataFileGivenUp
                                                    : SearchOutcome::CalendarUnusable;
    if (load != Load::Failed && giverStem && giverBranch) {
        const bool started = Walk(values, startKey, *giverStem, *giverBranch);
        // A file that ends before the start date, or holds other years than the index gives it.
        if (!started && load == Load::Ready && values.LabelCurrentDataCalendar != kNoCalendarLoaded &&
            calendar::IsDateKey(startKey)) {
            Unusable(context, "ไฟล์ปฏิทิน " + values.LabelCurrentDataCalendar + " ไม่มีวันที่ " +
                                  std::to_string(*Number(values.ComboBoxDD)) + " " +
                                  astro::MonthNameOfCode(month) + " " + values.ComboBoxYY);
            outcome = SearchOutcome::CalendarUnusable;
        }
    }

    if (const std::string item = astro::MonthListItem(month); !item.empty()) values.ComboBoxMM = item;
    return outcome;
}

}  // namespace omenary::coin
