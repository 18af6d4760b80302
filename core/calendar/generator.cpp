#include "core/calendar/generator.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <system_error>

#include "core/calendar/index.h"
#include "core/calendar/pillars.h"
#include "core/calendar/sun.h"
#include "core/platform/file_set.h"

namespace omenary::calendar {

namespace {

constexpr int kBuddhistEraOffset = 543;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kRecordLength = 30;

void AppendTwoDigits(std::string& text, int value) {
    text.push_back(static_cast<char>('0' + value / 10 % 10));
    text.push_back(static_cast<char>('0' + value % 10));
}

void AppendPillar(std::string& text, const Pillar& pillar) {
    AppendTwoDigits(text, pillar.stem);
    AppendTwoDigits(text, pillar.branch);
}

// Positions 1-4 first year, 5-8 " -  ", 9-12 last year, 13-15 blanks, 16 on the file name.
std::string IndexRecordLine(int first, int last, std::string_view name) {
    return std::to_string(first) + " -  " + std::to_string(last) + "   " + std::string(name);
}

}  // namespace

std::string DataFileName(int number) {
    return "Calendar" + std::to_string(number) + ".TXT";
}

std::string GenerateCalendarData(int fromBE, int toBE) {
    using namespace std::chrono;
    std::string text;
    text.append(kDataHeaderFields).append(" ").append(kDataHeaderNote);
    text.append(" UTC+7, BE " + std::to_string(fromBE) + "-" + std::to_string(toBE)).append(kLineEnd);
    text.reserve(text.size() + static_cast<std::size_t>(toBE - fromBE + 1) * 366 * (kRecordLength + 2));

    // On 1 January the Chinese year that began with the previous start of spring runs, in its 子
    // month (大雪 is always in December, 小寒 always after 1 January).
    Pillar year = YearPillar(fromBE - 1);
    int monthBranch = MonthBranchOfTerm(255);
    for (int be = fromBE; be <= toBE; ++be) {
        const int gregorian = be - kBuddhistEraOffset;
        const auto terms = SectionalTermsOfYear(gregorian);
        std::size_t nextTerm = 0;
        long long julianDayNumber = JulianDayNumber(gregorian, 1, 1);
        const sys_days first{std::chrono::year{gregorian} / January / 1};
        const sys_days last{std::chrono::year{gregorian} / December / 31};
        for (sys_days day = first; day <= last; day += days{1}, ++julianDayNumber) {
            const year_month_day date{day};
            const int month = static_cast<int>(static_cast<unsigned>(date.month()));
            const int dayOfMonth = static_cast<int>(static_cast<unsigned>(date.day()));
            const SectionalTerm* term = nullptr;
            if (nextTerm < terms.size() && terms[nextTerm].month == month &&
                terms[nextTerm].day == dayOfMonth) {
                term = &terms[nextTerm++];
                monthBranch = MonthBranchOfTerm(term->longitude);
                if (term->longitude == 315) year = YearPillar(be);
            }
            text.append(std::to_string(be)).push_back(' ');
            AppendTwoDigits(text, month);
            text.push_back(' ');
            AppendTwoDigits(text, dayOfMonth);
            text.push_back(' ');
            AppendTwoDigits(text, gregorian % 100);
            AppendPillar(text, year);
            AppendPillar(text, MonthPillar(year.stem, monthBranch));
            AppendPillar(text, DayPillar(julianDayNumber));
            if (term != nullptr) {
                AppendTwoDigits(text, term->minuteOfDay / 60);
                text.push_back(':');
                AppendTwoDigits(text, term->minuteOfDay % 60);
            } else {
                text.append("     ");
            }
            text.append(kLineEnd);
        }
    }
    return text;
}

std::vector<CalendarFile> GenerateCalendar(int fromBE, int toBE, int splitYears) {
    if (fromBE < kGeneratorFirstYear || toBE > kGeneratorLastYear || fromBE > toBE || splitYears < 1)
        return {};
    std::vector<CalendarFile> files(1);
    std::string index;
    index.append(kIndexHeader).append(kLineEnd);
    for (int first = fromBE; first <= toBE; first += splitYears) {
        const int last = std::min(toBE, first + splitYears - 1);
        CalendarFile data{DataFileName(static_cast<int>(files.size())), GenerateCalendarData(first, last)};
        index.append(IndexRecordLine(first, last, data.name)).append(kLineEnd);
        files.push_back(std::move(data));
        if (last == toBE) break;
    }
    index.append(kIndexEnd).append(kLineEnd);
    files[0] = {std::string(kIndexFileName), std::move(index)};
    return files;
}

std::string WriteCalendarFiles(const std::filesystem::path& folder, const std::vector<CalendarFile>& files) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!std::filesystem::is_directory(folder, error))
        return folder.string() + ": not a folder that can be written";
    // Two runs into one folder take turns: the lock on the folder itself leaves nothing behind.
    const int lock = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (lock < 0 || ::flock(lock, LOCK_EX) != 0) {
        if (lock >= 0) ::close(lock);
        return folder.string() + ": cannot be locked for writing";
    }
    // The data files first and the index last; if any file cannot be replaced, every one is put
    // back, so the index always names the data files that stand beside it.
    std::vector<platform::FileContent> set;
    for (std::size_t n = 0; n < files.size(); ++n) {
        const CalendarFile& file = files[(n + 1) % files.size()];
        set.push_back({folder / file.name, file.bytes});
    }
    const auto failure = platform::WriteFileSet(set);
    ::close(lock);
    return failure ? failure->Text() : std::string();
}

}  // namespace omenary::calendar
