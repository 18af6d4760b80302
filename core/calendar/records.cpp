#include "core/calendar/records.h"

#include "core/common/text.h"

namespace omenary::calendar {

namespace {

// Far above a calendar of the whole supported range (about 22 000 days in 60 years per megabyte).
constexpr std::size_t kMaxDataBytes = 64u << 20;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "dddd dd dd"
bool IsDateKey(std::string_view key) {
    for (std::size_t i = 0; i < kDateKeyLength; ++i)
        if ((i == 4 || i == 7) ? key[i] != ' ' : !IsDigit(key[i])) return false;
    return true;
}

// A two-character number 1 ... max: two digits, or a blank and a digit.
std::optional<int> TwoCharacterCode(std::string_view field, int max) {
    if (field[0] != ' ' && !IsDigit(field[0])) return std::nullopt;
    if (!IsDigit(field[1])) return std::nullopt;
    const int value = (field[0] == ' ' ? 0 : field[0] - '0') * 10 + (field[1] - '0');
    return value >= 1 && value <= max ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

std::string MakeDateKey(int beYear, int month, int day) {
    return std::to_string(beYear) + " " + TwoDigits(month) + " " + TwoDigits(day);
}

std::optional<DayRecord> ReadDayRecord(std::string_view line) {
    constexpr std::size_t kDayPairEnd = 25;
    if (line.size() < kDayPairEnd || !IsDateKey(line)) return std::nullopt;
    const auto stem = TwoCharacterCode(line.substr(21, 2), 10);
    const auto branch = TwoCharacterCode(line.substr(23, 2), 12);
    if (!stem || !branch) return std::nullopt;
    return DayRecord{line.substr(0, kDateKeyLength), *stem, *branch};
}

std::optional<TextLines> ReadCalendarData(const std::filesystem::path& file, bool mapped) {
    return ReadTextLines(file, kMaxDataBytes, mapped);
}

}  // namespace omenary::calendar
