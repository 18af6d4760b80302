#include "core/calendar/records.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "core/common/text.h"

namespace omenary::calendar {

namespace {

// Far above a calendar of the whole supported range (about 22 000 days in 60 years per megabyte).
constexpr std::size_t kMaxDataBytes = 64u << 20;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

// "dddd dd dd"
bool IsDateKey(std::string_view key) {
    if (key.size() != kDateKeyLength) return false;
    for (std::size_t i = 0; i < kDateKeyLength; ++i)
        if ((i == 4 || i == 7) ? key[i] != ' ' : !IsDigit(key[i])) return false;
    return true;
}

namespace {

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
    if (line.size() < kDayPairEnd || !IsDateKey(line.substr(0, kDateKeyLength))) return std::nullopt;
    const auto stem = TwoCharacterCode(line.substr(21, 2), 10);
    const auto branch = TwoCharacterCode(line.substr(23, 2), 12);
    if (!stem || !branch) return std::nullopt;
    return DayRecord{line.substr(0, kDateKeyLength), *stem, *branch};
}

std::optional<YearPillar> ReadYearPillar(std::string_view record) {
    constexpr std::size_t kAt = 13, kLength = 2;  // positions 14-15 the stem, 16-17 the branch
    if (record.size() < kAt + 2 * kLength) return std::nullopt;
    const auto stem = TwoCharacterCode(record.substr(kAt, kLength), 10);
    const auto branch = TwoCharacterCode(record.substr(kAt + kLength, kLength), 12);
    if (!stem || !branch) return std::nullopt;
    return YearPillar{*stem, *branch};
}

std::optional<TextLines> ReadCalendarData(const std::filesystem::path& file, bool mapped) {
    return ReadTextLines(file, kMaxDataBytes, mapped);
}

int CalendarDataReadError(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (error) return error.value();
    if (!std::filesystem::is_regular_file(status)) return EINVAL;
    if (std::filesystem::file_size(file, error) > kMaxDataBytes) return EFBIG;
    if (error) return error.value();
    // Not blocking, as the read itself: the file may have been swapped for a FIFO meanwhile.
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) return errno;
    ::close(descriptor);
    return EIO;
}

int CalendarDataLimitInMegabytes() {
    return static_cast<int>(kMaxDataBytes >> 20);
}

}  // namespace omenary::calendar
