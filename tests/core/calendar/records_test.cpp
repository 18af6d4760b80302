#include "core/calendar/records.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "core/calendar/generator.h"

namespace omenary::calendar {
namespace {

TEST(DayRecord, ReadsTheDateKeyAndTheDayPairOnlyFromAWholeRecord) {
    // Positions 1-21 of a record of 5 January 2547; the day's stem and branch follow at 22-25.
    const std::string front = "2547 01 05 0401010001";
    struct Case {
        std::string line;
        bool read;
        int stem;
        int branch;
    };
    const Case cases[] = {
        {                            "2567 02 04 2401050303051115:27",  true,  5, 11},
        {                            "2567 02 05 24010503030612     ",  true,  6, 12},
        {                                              front + "0112",  true,  1, 12}, // nothing after position 25 is needed
        {                                              front + " 112",  true,  1, 12}, // a leading blank of the stem
        {                                              front + "10 9",  true, 10,  9}, // and of the branch
        {                                              front + "1 12", false,  0,  0}, // a trailing blank is no digit
        {                                               front + "011", false,  0,  0}, // 24 characters: the branch is cut off
        {                                              front + "1112", false,  0,  0}, // stem 11
        {                                              front + "0113", false,  0,  0}, // branch 13
        {                                              front + "0000", false,  0,  0},
        {                                              front + "0a12", false,  0,  0},
        {                                  "2547 1 05 04010100010112", false,  0,  0}, // the key needs two-digit months
        {                                 "2547-01-05 04010100010112", false,  0,  0},
        {                                                          "", false,  0,  0},
        {                                                "2547 01 05", false,  0,  0},
        {"Year(4) Month(2) Date(2) Years(2) ZodiacOnYearBelowYear(4)", false,  0,  0},
    };
    for (const Case& c : cases) {
        const auto record = ReadDayRecord(c.line);
        ASSERT_EQ(record.has_value(), c.read) << c.line;
        if (!record) continue;
        EXPECT_EQ(record->dateKey, std::string_view(c.line).substr(0, 10)) << c.line;
        EXPECT_EQ(record->stem, c.stem) << c.line;
        EXPECT_EQ(record->branch, c.branch) << c.line;
    }
}

TEST(DayRecord, DateKeysAreFourTwoTwoDigitsWithBlanks) {
    EXPECT_EQ(MakeDateKey(2547, 1, 5), "2547 01 05");
    EXPECT_EQ(MakeDateKey(2700, 12, 31), "2700 12 31");
}

// The header line of a data file can never be taken for a day, whatever date is searched.
TEST(DayRecord, TheDataHeaderLineIsNoDay) {
    const std::string header =
        std::string(kDataHeaderFields) + " " + std::string(kDataHeaderNote) + " 2442-2700";
    EXPECT_FALSE(ReadDayRecord(header));
    for (const std::string& key : {MakeDateKey(2442, 1, 1), MakeDateKey(2547, 1, 5)})
        EXPECT_NE(header.substr(0, kDateKeyLength), key);
}

TEST(CalendarData, ReadsAllLinesOnceAndNothingForAMissingFile) {
    const auto file = std::filesystem::temp_directory_path() / ("omenary-data-" + std::to_string(::getpid()));
    std::ofstream(file, std::ios::binary) << "header\r\n2547 01 05 04010100000112     \r\n2547 01 06 x\r\n";
    const auto lines = ReadCalendarData(file);
    std::filesystem::remove(file);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->Count(), 3u);
    EXPECT_TRUE(ReadDayRecord(lines->Line(1)));
    EXPECT_FALSE(ReadDayRecord(lines->Line(2)));
    EXPECT_FALSE(ReadDayRecord(lines->Line(3)));
    EXPECT_FALSE(ReadCalendarData(file));
}

}  // namespace
}  // namespace omenary::calendar
