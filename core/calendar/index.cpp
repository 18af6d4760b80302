#include "core/calendar/index.h"

#include <algorithm>

#include "core/common/text.h"
#include "core/platform/files.h"

namespace omenary::calendar {

namespace {

// No calendar index comes near this; anything larger is not one.
constexpr std::size_t kMaxIndexBytes = 1 << 20;

bool StartsWithIgnoringCase(std::string_view line, std::string_view prefix) {
    return line.size() >= prefix.size() && EqualsIgnoreCaseAscii(line.substr(0, prefix.size()), prefix);
}

// Text files hold printable bytes (Thai ones above 0x7F included), blanks and line ends; a control
// byte such as NUL means the file is something else.
std::optional<std::size_t> FirstBinaryByte(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const bool textControl = c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == 0x1A;
        if ((c < 0x20 && !textControl) || c == 0x7F) return i;
    }
    return std::nullopt;
}

// Positions first ... first + 3 (1-based) as a year, when they are four digits.
std::optional<int> YearAt(std::string_view line, std::size_t first) {
    if (line.size() < first + 3) return std::nullopt;
    const std::string_view field = line.substr(first - 1, 4);
    const auto year = ParseDigits(field);
    return year ? std::optional<int>(static_cast<int>(*year)) : std::nullopt;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

IndexLoad Failure(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

}  // namespace

std::optional<std::filesystem::path> FindCalendarIndex(const std::filesystem::path& workingDirectory,
                                                       const std::filesystem::path& windowsDirectory) {
    const std::filesystem::path working = workingDirectory.empty() ? "." : workingDirectory;
    if (auto found = platform::FindIgnoringCase(working, kIndexFileName)) return found;
    if (windowsDirectory.empty()) return std::nullopt;
    return platform::FindIgnoringCase(windowsDirectory, kIndexFileName);
}

YearRange CalendarIndex::CalendarYearRange() const {
    if (records_.empty()) return {};
    return {std::to_string(records_.front().firstYear), std::to_string(records_.back().lastYear)};
}

std::string CalendarIndex::CalendarFileForYear(int beYear) const {
    std::string name;
    for (const IndexRecord& record : records_)
        if (record.firstYear <= beYear && beYear <= record.lastYear) name = record.fileName;
    return name;
}

std::vector<std::string> CalendarIndex::YearListItems() const {
    std::vector<std::string> items;
    if (records_.empty()) return items;
    const int first = records_.front().firstYear;
    const int last = records_.back().lastYear;
    for (int year = first + 1; year < last; ++year)
        items.push_back(std::to_string(year));
    return items;
}

IndexLoad ParseCalendarIndex(std::string bytes) {
    if (bytes.empty()) return Failure("the calendar index is empty");
    if (const auto at = FirstBinaryByte(bytes))
        return Failure("the calendar index is not a text file (control byte at offset " +
                       std::to_string(*at) + ")");
    CalendarIndex index;
    index.lines_ = TextLines(std::move(bytes));
    const TextLines& lines = index.lines_;

    std::size_t header = lines.Count();
    while (header > 0 && !StartsWithIgnoringCase(lines.Line(header - 1), kIndexHeader))
        --header;
    if (header == 0) return Failure("the calendar index has no " + std::string(kIndexHeader) + " line");
    // header is now the 0-based index of the first record line.

    std::size_t end = header;
    while (end < lines.Count() && !StartsWithIgnoringCase(lines.Line(end), kIndexEnd))
        ++end;
    if (end == lines.Count())
        return Failure("the calendar index has no " + std::string(kIndexEnd) + " line after its " +
                       std::string(kIndexHeader) + " line");
    if (end == header)
        return Failure("the calendar index lists no calendar file between " + std::string(kIndexHeader) +
                       " and " + std::string(kIndexEnd));

    for (std::size_t i = header; i < end; ++i) {
        const std::string_view line = lines.Line(i);
        const std::string where = "line " + std::to_string(i + 1) + " of the calendar index";
        const auto first = YearAt(line, 1);
        if (!first)
            return Failure(where + ": the first year " + Quoted(line.substr(0, 4)) + " is not four digits");
        const auto last = YearAt(line, 9);
        if (!last)
            return Failure(where + ": the last year " + Quoted(line.size() > 8 ? line.substr(8, 4) : "") +
                           " is not four digits");
        if (*last < *first)
            return Failure(where + ": the last year " + std::to_string(*last) + " is below the first year " +
                           std::to_string(*first));
        if (line.size() < 16) return Failure(where + ": no calendar file name from position 16");
        index.records_.push_back({*first, *last, std::string(line.substr(15))});
    }
    if (index.records_.back().lastYear < index.records_.front().firstYear)
        return Failure("the calendar index ends with the year " +
                       std::to_string(index.records_.back().lastYear) + ", below its first year " +
                       std::to_string(index.records_.front().firstYear));
    return {std::move(index), {}};
}

IndexLoad LoadCalendarIndex(const std::filesystem::path& workingDirectory,
                            const std::filesystem::path& windowsDirectory) {
    const auto file = FindCalendarIndex(workingDirectory, windowsDirectory);
    if (!file) {
        std::string searched = workingDirectory.empty() ? "." : workingDirectory.string();
        if (!windowsDirectory.empty()) searched += " or " + windowsDirectory.string();
        return Failure(std::string(kIndexFileName) + " was not found in " + searched);
    }
    auto bytes = ReadFileBytes(*file, kMaxIndexBytes);
    if (!bytes) return Failure(file->string() + " cannot be read (or is too large to be a calendar index)");
    IndexLoad load = ParseCalendarIndex(std::move(*bytes));
    if (!load.index) load.failure = file->string() + ": " + load.failure;
    return load;
}

}  // namespace omenary::calendar
