#include "core/calendar/generator.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <set>
#include <thread>

#include "core/astro/cycles.h"
#include "core/calendar/index.h"
#include "core/calendar/records.h"
#include "core/common/text_lines.h"
#include "tests/temp_folder.h"

namespace omenary::calendar {
namespace {

namespace fs = std::filesystem;

// The shipped range, generated once for every test here.
const std::vector<CalendarFile>& Shipped() {
    static const std::vector<CalendarFile> files = GenerateCalendar(2442, 2700, 1000);
    return files;
}

std::string Field(std::string_view line, std::size_t first, std::size_t length) {
    return std::string(line.substr(first - 1, length));
}

TEST(Generator, WritesTheIndexOfItsDataFiles) {
    ASSERT_EQ(Shipped().size(), 2u);
    EXPECT_EQ(Shipped()[0].name, "HOROSCOPE.INI");
    EXPECT_EQ(Shipped()[0].bytes, "[DATA CALENDAR]\r\n2442 -  2700   Calendar1.TXT\r\n[END OF DATA]\r\n");
    EXPECT_EQ(Shipped()[1].name, "Calendar1.TXT");

    const IndexLoad load = ParseCalendarIndex(Shipped()[0].bytes);
    ASSERT_TRUE(load.index) << load.failure;
    const auto items = load.index->YearListItems();
    ASSERT_EQ(items.size(), 257u);
    EXPECT_EQ(items.front(), "2443");
    EXPECT_EQ(items.back(), "2699");
    EXPECT_EQ(load.index->CalendarFileForYear(2700), "Calendar1.TXT");
}

// Every day of 1 January 1899 ... 31 December 2157 once, in order, each one step on in the cycle;
// the month changes exactly on the days that carry a term's time, the year on the start of spring.
TEST(Generator, EveryDayOnceWithUnbrokenPillarsAndTwelveTermsAYear) {
    const std::string& bytes = Shipped()[1].bytes;
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ASSERT_EQ(bytes[i - 1], '\r') << "line end at " << i;
            ++lineEnds;
        }
    const TextLines lines(bytes);
    ASSERT_EQ(lineEnds, lines.Count());
    EXPECT_EQ(lines.Line(0).substr(0, kDataHeaderFields.size()), kDataHeaderFields);
    EXPECT_FALSE(ReadDayRecord(lines.Line(0)));

    using namespace std::chrono;
    sys_days expected{year{1899} / January / 1};
    std::string previousYear, previousMonth;
    int previousStem = 0, previousBranch = 0, monthBranch = 0, termsThisYear = 0;
    for (std::size_t i = 1; i < lines.Count(); ++i, expected += days{1}) {
        const std::string_view line = lines.Line(i);
        ASSERT_EQ(line.size(), 30u) << line;
        const year_month_day date{expected};
        const int gregorian = static_cast<int>(date.year());
        const auto record = ReadDayRecord(line);
        ASSERT_TRUE(record) << line;
        ASSERT_EQ(record->dateKey, MakeDateKey(gregorian + 543, static_cast<int>(unsigned(date.month())),
                                               static_cast<int>(unsigned(date.day()))));
        EXPECT_EQ(Field(line, 12, 2), std::to_string(gregorian).substr(2)) << line;
        if (previousStem != 0) {
            ASSERT_EQ(record->stem, previousStem % 10 + 1) << line;
            ASSERT_EQ(record->branch, previousBranch % 12 + 1) << line;
        }
        previousStem = record->stem;
        previousBranch = record->branch;

        const std::string time = Field(line, 26, 5), yearPair = Field(line, 14, 4),
                          monthPair = Field(line, 18, 4);
        const bool term = time != "     ";
        if (date.month() == January && date.day() == day{1}) {
            if (i > 1) {
                EXPECT_EQ(termsThisYear, 12) << gregorian - 1;
            }
            termsThisYear = 0;
        }
        if (term) {
            ++termsThisYear;
            ASSERT_TRUE(time[2] == ':' && time.substr(0, 2) < "24" && time.substr(3) < "60") << line;
            const int branch = std::stoi(monthPair.substr(2));
            if (monthBranch != 0) {
                EXPECT_EQ(branch, monthBranch % 12 + 1) << line;
            }
            monthBranch = branch;
        } else if (!previousMonth.empty()) {
            EXPECT_EQ(monthPair, previousMonth) << line;
        }
        if (yearPair != previousYear && !previousYear.empty()) {
            // The start of spring: the month of 寅 opens and the year takes the codes of its BE year.
            EXPECT_TRUE(term && monthBranch == 3) << line;
            if (gregorian + 543 >= 2443) {
                EXPECT_EQ(std::to_string(std::stoi(yearPair.substr(0, 2))),
                          astro::StemOfBEYear(gregorian + 543));
                EXPECT_EQ(std::to_string(std::stoi(yearPair.substr(2))),
                          astro::BranchOfBEYear(gregorian + 543));
            } else {
                EXPECT_EQ(yearPair, "0612") << line;  // 1899 己亥, before the year codes begin
            }
        }
        previousYear = yearPair;
        previousMonth = monthPair;
    }
    EXPECT_EQ(termsThisYear, 12);
    EXPECT_EQ(expected, sys_days{year{2158} / January / 1});
}

TEST(Generator, HeaderNoteIsTheThaiTextInWindows874) {
    std::string utf8 = "ปฏิทินรายวัน เวลาประเทศไทย";
    const iconv_t convert = iconv_open("WINDOWS-874", "UTF-8");
    ASSERT_NE(convert, reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)));
    std::string converted(utf8.size(), '\0');
    char* in = utf8.data();
    char* out = converted.data();
    std::size_t inLeft = utf8.size(), outLeft = converted.size();
    const std::size_t result = iconv(convert, &in, &inLeft, &out, &outLeft);
    iconv_close(convert);
    ASSERT_NE(result, static_cast<std::size_t>(-1));
    converted.resize(converted.size() - outLeft);
    EXPECT_EQ(converted, kDataHeaderNote);
}

TEST(Generator, ReproducesTheShippedFilesByteForByte) {
    for (const CalendarFile& file : Shipped()) {
        const auto shipped = ReadFileBytes(fs::path(OMENARY_DATA_DIR) / file.name, 64u << 20);
        ASSERT_TRUE(shipped) << file.name;
        EXPECT_TRUE(*shipped == file.bytes) << file.name << " differs from what the generator writes";
    }
}

TEST(Generator, SplitFilesHoldTheSameDaysInConsecutiveRanges) {
    const auto split = GenerateCalendar(2442, 2700, 100);
    ASSERT_EQ(split.size(), 4u);
    EXPECT_EQ(split[0].bytes,
              "[DATA CALENDAR]\r\n2442 -  2541   Calendar1.TXT\r\n2542 -  2641   Calendar2.TXT\r\n"
              "2642 -  2700   Calendar3.TXT\r\n[END OF DATA]\r\n");
    const TextLines whole(Shipped()[1].bytes);
    std::size_t next = 1;
    for (std::size_t f = 1; f < split.size(); ++f) {
        EXPECT_EQ(split[f].name, DataFileName(static_cast<int>(f)));
        const TextLines part(split[f].bytes);
        for (std::size_t i = 1; i < part.Count(); ++i)
            ASSERT_EQ(part.Line(i), whole.Line(next++)) << split[f].name << " line " << i + 1;
    }
    EXPECT_EQ(next, whole.Count());
}

TEST(Generator, RefusesRangesItCannotMake) {
    for (const auto& [from, to, split] : {
             std::tuple{2399, 2500, 1},
             std::tuple{2500, 3001, 1},
             std::tuple{2501, 2500, 1},
             std::tuple{2500, 2500, 0}
    })
        EXPECT_TRUE(GenerateCalendar(from, to, split).empty()) << from << " " << to << " " << split;
    EXPECT_EQ(GenerateCalendar(3000, 3000, 1).size(), 2u);
}

class OutputFolder : public testing::TempFolderTest {
  protected:
    std::set<std::string> Names(const fs::path& folder) const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.insert(entry.path().filename().string());
        return names;
    }
    const std::vector<CalendarFile> files_ = {
        {"HOROSCOPE.INI", "index\r\n"},
        {"Calendar1.TXT",  "days\r\n"}
    };
};

TEST_F(OutputFolder, CreatesTheFolderAndReplacesOldFiles) {
    const fs::path out = root_ / "new" / "data";
    EXPECT_EQ(WriteCalendarFiles(out,
                                 {
                                     {"HOROSCOPE.INI", "old and longer"}
    }),
              "");
    EXPECT_EQ(WriteCalendarFiles(out, files_), "");
    EXPECT_EQ(Names(out), (std::set<std::string>{"HOROSCOPE.INI", "Calendar1.TXT"}));
    EXPECT_EQ(ReadFileBytes(out / "HOROSCOPE.INI", 100), "index\r\n");
    EXPECT_EQ(ReadFileBytes(out / "Calendar1.TXT", 100), "days\r\n");
}

TEST_F(OutputFolder, AFolderThatCannotBeMadeIsReportedByName) {
    std::ofstream(root_ / "plain-file") << "x";
    const std::string failure = WriteCalendarFiles(root_ / "plain-file" / "data", files_);
    EXPECT_NE(failure.find((root_ / "plain-file" / "data").string()), std::string::npos) << failure;
}

// A data file that cannot be put in place leaves no index naming it, and no temporary; an index that
// cannot be replaced leaves the data files it names as they were.
TEST_F(OutputFolder, AFailureLeavesTheFolderAsItWas) {
    fs::create_directory(root_ / "Calendar1.TXT");
    std::string failure = WriteCalendarFiles(root_, files_);
    EXPECT_NE(failure.find((root_ / "Calendar1.TXT").string()), std::string::npos) << failure;
    EXPECT_EQ(Names(root_), (std::set<std::string>{"Calendar1.TXT"}));
    fs::remove(root_ / "Calendar1.TXT");

    ASSERT_EQ(WriteCalendarFiles(root_,
                                 {
                                     {"HOROSCOPE.INI", "old index"},
                                     {"Calendar1.TXT",  "old days"}
    }),
              "");
    const std::string immutable = "chattr +i " + (root_ / "HOROSCOPE.INI").string() + " 2>/dev/null";
    if (std::system(immutable.c_str()) != 0) GTEST_SKIP() << "this file system cannot make a file immutable";
    failure = WriteCalendarFiles(root_, files_);
    EXPECT_EQ(std::system(("chattr -i " + (root_ / "HOROSCOPE.INI").string()).c_str()), 0);
    EXPECT_NE(failure.find("HOROSCOPE.INI"), std::string::npos) << failure;
    EXPECT_EQ(ReadFileBytes(root_ / "Calendar1.TXT", 100), "old days");
    EXPECT_EQ(ReadFileBytes(root_ / "HOROSCOPE.INI", 100), "old index");
    EXPECT_EQ(Names(root_), (std::set<std::string>{"HOROSCOPE.INI", "Calendar1.TXT"}));
}

// Two runs into one folder at once: afterwards the folder holds one run's files, never a mix.
TEST_F(OutputFolder, RunsAtTheSameTimeNeverLeaveAMixedSet) {
    const std::vector<CalendarFile> first = GenerateCalendar(2550, 2554, 2);
    const std::vector<CalendarFile> second = GenerateCalendar(2614, 2620, 3);
    ASSERT_EQ(first.size(), second.size());
    const auto holds = [this](const std::vector<CalendarFile>& set) {
        for (const CalendarFile& file : set)
            if (ReadFileBytes(root_ / file.name, 1 << 20) != file.bytes) return false;
        return true;
    };
    for (int round = 0; round < 25; ++round) {
        std::string failureA, failureB;
        std::thread a([&] { failureA = WriteCalendarFiles(root_, first); });
        std::thread b([&] { failureB = WriteCalendarFiles(root_, second); });
        a.join();
        b.join();
        ASSERT_EQ(failureA, "");
        ASSERT_EQ(failureB, "");
        ASSERT_TRUE(holds(first) || holds(second)) << "round " << round;
        ASSERT_EQ(Names(root_).size(), first.size());
    }
}

}  // namespace
}  // namespace omenary::calendar
