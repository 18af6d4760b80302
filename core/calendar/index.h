// The calendar index "HOROSCOPE.INI": which BE years exist and which calendar data file holds each
// range of them. Loaded once at start; a bad index is a start-up failure with a reason, never a
// crash or a hang.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/text_lines.h"

namespace omenary::calendar {

inline constexpr std::string_view kIndexFileName = "HOROSCOPE.INI";
inline constexpr std::string_view kIndexHeader = "[DATA CALENDAR]";
inline constexpr std::string_view kIndexEnd = "[END OF DATA]";

// The index file: first the working directory (a bare name is relative to it), then the Windows
// directory; names matched ignoring letter case, the first existing file wins. An empty folder
// stands for the process's current directory (working) or is skipped (Windows).
std::optional<std::filesystem::path> FindCalendarIndex(const std::filesystem::path& workingDirectory,
                                                       const std::filesystem::path& windowsDirectory);

// One line between the header and the end line: years at positions 1-4 and 9-12, the data file's
// name from position 16 to the end of the line.
struct IndexRecord {
    int firstYear = 0;
    int lastYear = 0;
    std::string fileName;
};

struct YearRange {
    std::string first;  // first year of the first record, as written
    std::string last;   // last year of the last record, as written
};

struct IndexLoad;
IndexLoad ParseCalendarIndex(std::string bytes);

// Only ParseCalendarIndex makes an index with records; a default one has none and answers empty.
class CalendarIndex {
  public:
    // The lines of the file (`MemoHoroscopeINI`), reading past the end gives an empty line.
    const TextLines& MemoHoroscopeINI() const { return lines_; }
    const std::vector<IndexRecord>& Records() const { return records_; }

    YearRange CalendarYearRange() const;
    // The data file of the last record whose range holds the year; empty when none does.
    std::string CalendarFileForYear(int beYear) const;
    // The items of every year list: first + 1 ... last − 1, ascending, as plain decimal text.
    std::vector<std::string> YearListItems() const;

  private:
    friend IndexLoad ParseCalendarIndex(std::string bytes);
    TextLines lines_;
    std::vector<IndexRecord> records_;
};

// Either an index or the reason it could not be used (English, for the command line and the log of
// the tests; the window shows its own fixed message).
struct IndexLoad {
    std::optional<CalendarIndex> index;
    std::string failure;
};

// Checks the bytes of an index file: text, with a header line (the last one counts), records, an
// end line after them, four-digit years, no range that ends before it starts, and a file name.
IndexLoad ParseCalendarIndex(std::string bytes);

// Finds, reads and checks the index; the failure names the file or the folders searched.
IndexLoad LoadCalendarIndex(const std::filesystem::path& workingDirectory,
                            const std::filesystem::path& windowsDirectory);

}  // namespace omenary::calendar
