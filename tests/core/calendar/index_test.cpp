#include "core/calendar/index.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/temp_folder.h"

namespace omenary::calendar {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

CalendarIndex Parsed(const std::string& bytes) {
    IndexLoad load = ParseCalendarIndex(bytes);
    EXPECT_TRUE(load.index) << load.failure;
    return load.index ? *load.index : CalendarIndex{};
}

TEST(CalendarIndex, OneRecordGivesItsRangeAndFileAndTheInnerYears) {
    const CalendarIndex index =
        Parsed("[DATA CALENDAR]\r\n2400 -  2600   Calendar3.TXT\r\n[END OF DATA]\r\n");
    EXPECT_EQ(index.CalendarYearRange().first, "2400");
    EXPECT_EQ(index.CalendarYearRange().last, "2600");
    const auto items = index.YearListItems();
    ASSERT_EQ(items.size(), 199u);
    EXPECT_EQ(items.front(), "2401");
    EXPECT_EQ(items[1], "2402");
    EXPECT_EQ(items.back(), "2599");
    EXPECT_EQ(index.CalendarFileForYear(2547), "Calendar3.TXT");
}

TEST(CalendarIndex, FileForYearTakesTheLastMatchingRecord) {
    const CalendarIndex index = Parsed(
        "; comment before\n[data calendar] anything\n2400 -  2500   Calendar1.TXT\n2501 -  2600   "
        "Calendar2.TXT\n"
        "2550 -  2560   Overlap.TXT\n[end of data]\nignored after\n");
    struct Case {
        int year;
        const char* file;
    };
    for (const Case& c : {
             Case{2399,              ""},
             Case{2400, "Calendar1.TXT"},
             Case{2500, "Calendar1.TXT"},
             Case{2501, "Calendar2.TXT"},
             Case{2549, "Calendar2.TXT"},
             Case{2555,   "Overlap.TXT"},
             Case{2600, "Calendar2.TXT"},
             Case{2601,              ""},
             Case{  -5,              ""}
    })
        EXPECT_EQ(index.CalendarFileForYear(c.year), c.file) << c.year;
    // The lists end before the last year of the last record, whatever the records before it say.
    EXPECT_EQ(index.YearListItems().front(), "2401");
    EXPECT_EQ(index.YearListItems().back(), "2559");
}

TEST(CalendarIndex, LastHeaderOfTheFileIsTheOneUsedAndLinesAreKept) {
    const std::string bytes =
        "[DATA CALENDAR]\r\n1000 -  1100   Old.TXT\r\n[END OF DATA]\r\n"
        "[DATA CALENDAR]\r2442 -  2700   Calendar1.TXT\r[END OF DATA]";
    const CalendarIndex index = Parsed(bytes);
    EXPECT_EQ(index.CalendarFileForYear(1050), "");
    EXPECT_EQ(index.CalendarFileForYear(2600), "Calendar1.TXT");
    ASSERT_EQ(index.Records().size(), 1u);
    EXPECT_EQ(index.MemoHoroscopeINI().Count(), 6u);
    EXPECT_EQ(index.MemoHoroscopeINI().Line(4), "2442 -  2700   Calendar1.TXT");
    EXPECT_EQ(index.MemoHoroscopeINI().Line(6), "");
}

// The loader reports what the index says; which years the window accepts is its own business.
TEST(CalendarIndex, EarlyYearsAndNarrowRangesAreReportedAsTheyStand) {
    EXPECT_EQ(Parsed("[DATA CALENDAR]\n1900 -  2000   C.TXT\n[END OF DATA]\n").YearListItems().front(),
              "1901");
    EXPECT_TRUE(Parsed("[DATA CALENDAR]\n2500 -  2501   C.TXT\n[END OF DATA]\n").YearListItems().empty());
}

TEST(CalendarIndex, EveryBadIndexIsAFailureWithAReason) {
    struct Case {
        const char* what;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {                          "empty",                "","empty"                                                                                                         },
        {                         "binary", "[DATA CALENDAR]\n2400 -  2600   C\0T.TXT\n[END OF DATA]\n"s,           "not a text file"},
        {                      "no header",                      "2400 -  2600   C.TXT\n[END OF DATA]\n",   "no [DATA CALENDAR] line"},
        {               "header cut short",      "[DATA CALENDA]\n2400 -  2600   C.TXT\n[END OF DATA]\n",
         "no [DATA CALENDAR] line"                                                                                                   },
        {                    "no end line",                    "[DATA CALENDAR]\n2400 -  2600   C.TXT\n",     "no [END OF DATA] line"},
        {"end line only before the header",     "[END OF DATA]\n[DATA CALENDAR]\n2400 -  2600   C.TXT\n",
         "no [END OF DATA] line"                                                                                                     },
        {                "header then end",                       "[DATA CALENDAR]\r\n[END OF DATA]\r\n",    "lists no calendar file"},
        {               "last below first",     "[DATA CALENDAR]\n2600 -  2400   C.TXT\n[END OF DATA]\n",
         "below the first year 2600"                                                                                                 },
        {           "records out of order",
         "[DATA CALENDAR]\n2500 -  2600   A.TXT\n2400 -  2450   B.TXT\n[END OF DATA]\n", "below its first year 2500"                 },
        {               "three-digit year",     "[DATA CALENDAR]\n240 -  2600    C.TXT\n[END OF DATA]\n",         "first year '240 '"},
        {            "letter in last year",     "[DATA CALENDAR]\n2400 -  26O0   C.TXT\n[END OF DATA]\n",          "last year '26O0'"},
        {                    "signed year",     "[DATA CALENDAR]\n+400 -  2600   C.TXT\n[END OF DATA]\n",           "not four digits"},
        {                   "blank record",                         "[DATA CALENDAR]\n\n[END OF DATA]\n",             "first year ''"},
        {                   "short record",               "[DATA CALENDAR]\n2400 -  26\n[END OF DATA]\n",            "last year '26'"},
        {                   "no file name",          "[DATA CALENDAR]\n2400 -  2600   \n[END OF DATA]\n",     "no calendar file name"},
    };
    for (const Case& c : cases) {
        const IndexLoad load = ParseCalendarIndex(c.bytes);
        EXPECT_FALSE(load.index) << c.what;
        EXPECT_NE(load.failure.find(c.reason), std::string::npos) << c.what << ": " << load.failure;
    }
}

class IndexFolders : public testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        working_ = root_ / "work";
        windows_ = root_ / "windows";
        fs::create_directories(working_);
        fs::create_directories(windows_);
    }
    static void Write(const fs::path& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    fs::path working_;
    fs::path windows_;
};

TEST_F(IndexFolders, WorkingDirectoryFirstThenWindowsDirectoryAnyLetterCase) {
    EXPECT_FALSE(FindCalendarIndex(working_, windows_));
    Write(windows_ / "horoscope.ini", "[DATA CALENDAR]\n2400 -  2600   Windows.TXT\n[END OF DATA]\n");
    EXPECT_EQ(FindCalendarIndex(working_, windows_), windows_ / "horoscope.ini");
    EXPECT_FALSE(FindCalendarIndex(working_, {}));
    Write(working_ / "Horoscope.Ini", "[DATA CALENDAR]\n2400 -  2600   Working.TXT\n[END OF DATA]\n");
    EXPECT_EQ(FindCalendarIndex(working_, windows_), working_ / "Horoscope.Ini");

    const IndexLoad load = LoadCalendarIndex(working_, windows_);
    ASSERT_TRUE(load.index) << load.failure;
    EXPECT_EQ(load.index->CalendarFileForYear(2500), "Working.TXT");
}

TEST_F(IndexFolders, MissingUnreadableOrBadFileNamesTheFileOrFolders) {
    IndexLoad load = LoadCalendarIndex(working_, windows_);
    EXPECT_FALSE(load.index);
    EXPECT_NE(load.failure.find("HOROSCOPE.INI was not found in " + working_.string()), std::string::npos);
    EXPECT_NE(load.failure.find(windows_.string()), std::string::npos);

    fs::create_directory(working_ / "HOROSCOPE.INI");  // a folder is no index
    EXPECT_FALSE(LoadCalendarIndex(working_, windows_).index);
    fs::remove(working_ / "HOROSCOPE.INI");

    Write(working_ / "HOROSCOPE.INI", std::string(4096, '\xff') + std::string(1, '\x01'));
    load = LoadCalendarIndex(working_, windows_);
    EXPECT_FALSE(load.index);
    EXPECT_NE(load.failure.find((working_ / "HOROSCOPE.INI").string() + ": "), std::string::npos)
        << load.failure;
    EXPECT_NE(load.failure.find("not a text file"), std::string::npos) << load.failure;

    Write(working_ / "HOROSCOPE.INI", std::string(2 << 20, 'x'));
    EXPECT_FALSE(LoadCalendarIndex(working_, windows_).index);
}

}  // namespace
}  // namespace omenary::calendar
