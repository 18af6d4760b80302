// The calendar generator: "HOROSCOPE.INI" and the calendar data files for a range of BE years, real
// day, month and year pillars with the moments of the sectional terms, in Windows-874 with CR LF
// line ends, the same bytes on every run.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace omenary::calendar {

inline constexpr int kGeneratorFirstYear = 2400;
inline constexpr int kGeneratorLastYear = 3000;

// The start of line 1 of every data file; free text follows it.
inline constexpr std::string_view kDataHeaderFields =
    "Year(4) Month(2) Date(2) Years(2) ZodiacOnYearBelowYear(4) ZodiacOnMonthBelowMonth(4) "
    "ZodiacOnDateBelowDate(4) Time(5) (**=LargeFestival/*=SmallFestival) {Calendar=Full}";
// "ปฏิทินรายวัน เวลาประเทศไทย" (daily calendar, Thailand time) in Windows-874, as
// `printf %s 'ปฏิทินรายวัน เวลาประเทศไทย' | iconv -f UTF-8 -t WINDOWS-874` gives it.
inline constexpr std::string_view kDataHeaderNote =
    "\xbb\xaf\xd4\xb7\xd4\xb9\xc3\xd2\xc2\xc7\xd1\xb9"
    " "
    "\xe0\xc7\xc5\xd2\xbb\xc3\xd0\xe0\xb7\xc8\xe4\xb7\xc2";

struct CalendarFile {
    std::string name;
    std::string bytes;
};

// "Calendar1.TXT", "Calendar2.TXT", ...
std::string DataFileName(int number);

// One data file for every day of BE years from ... to (Gregorian year + 543 in the date key).
std::string GenerateCalendarData(int fromBE, int toBE);

// The index first, then the data files, a new one every splitYears years. Nothing unless
// kGeneratorFirstYear <= from <= to <= kGeneratorLastYear and splitYears >= 1.
std::vector<CalendarFile> GenerateCalendar(int fromBE, int toBE, int splitYears);

// Writes the files into the folder (created when missing) as one set, data files before the index:
// after any run the index and the data files it names agree. Runs into one folder at once take
// turns. Empty on success, else what failed, naming the file; no temporary file is left behind.
std::string WriteCalendarFiles(const std::filesystem::path& folder, const std::vector<CalendarFile>& files);

}  // namespace omenary::calendar
