// The calendar data files: line 1 describes the layout, every other line is one day. Only the date
// key (positions 1-10) and the day's stem and branch (22-23, 24-25) are read; nothing is ever read
// past a line's end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/common/text_lines.h"

namespace omenary::calendar {

inline constexpr std::size_t kDateKeyLength = 10;

// The date key of a record: BE year, blank, two-digit month, blank, two-digit day ("2547 01 05").
std::string MakeDateKey(int beYear, int month, int day);
// Whether a text has that form: ten characters, digits but for the two blanks.
bool IsDateKey(std::string_view key);

struct DayRecord {
    std::string_view dateKey;
    int stem = 0;    // 1 ... 10
    int branch = 0;  // 1 ... 12
};

// The day a line describes; nothing for a line that is short, has no date key of digits at 1-10, or
// no stem 1 ... 10 at 22-23 and branch 1 ... 12 at 24-25 (each two digits or a blank and a digit).
// Such lines, the header line among them, match no date and are skipped.
std::optional<DayRecord> ReadDayRecord(std::string_view line);

// The stem and branch of the year a record's day falls in.
using YearPillar = std::pair<int, int>;

// The year pillar a record gives, positions 14-17 (each code two digits or a blank and a digit);
// nothing when they are not codes.
std::optional<YearPillar> ReadYearPillar(std::string_view record);

// The lines of a calendar data file (`listboxcalendar`), read once (mapped when asked, see
// ReadTextLines); nothing when it cannot be read.
std::optional<TextLines> ReadCalendarData(const std::filesystem::path& file, bool mapped = false);

// Why ReadCalendarData could not read the file, as an errno value: EFBIG for a file larger than any
// calendar, EINVAL for one that is not a regular file, else what the system says when it is opened.
int CalendarDataReadError(const std::filesystem::path& file);
// The size ReadCalendarData reads at most, in megabytes.
int CalendarDataLimitInMegabytes();

}  // namespace omenary::calendar
