#include "core/astro/cycles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace omenary::astro {
namespace {

TEST(BEYearPair, WorkedExamples) {
    struct Case {
        int year;
        const char* stem;
        const char* branch;
    };
    const Case cases[] = {
        {2467,  "1",  "1"},
        {2468,  "2",  "2"},
        {2476, "10", "10"},
        {2477,  "1", "11"},
        {2478,  "2", "12"},
        {2479,  "3",  "1"},
        {2526, "10", "12"},
        {2527,  "1",  "1"},
        {2547,  "1",  "9"},
        {2551,  "5",  "1"},
        {2443,  "7",  "1"},
        {2437,  "1",   ""},
        {2442,  "6",   ""},
        {2436,   "",   ""},
        {   0,   "",   ""},
        {  -5,   "",   ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StemOfBEYear(c.year), c.stem) << c.year;
        EXPECT_EQ(BranchOfBEYear(c.year), c.branch) << c.year;
    }
}

TEST(BEYearPair, AgreesWithPairCountingFrom2467) {
    for (int y = 2443; y <= 3000; ++y) {
        const int stem = ((y - 2467) % 10 + 10) % 10 + 1;
        const int branch = ((y - 2467) % 12 + 12) % 12 + 1;
        ASSERT_EQ(StemOfBEYear(y), std::to_string(stem)) << y;
        ASSERT_EQ(BranchOfBEYear(y), std::to_string(branch)) << y;
    }
}

TEST(BEYearPair, SixtyYearsGiveSixtyDistinctPairs) {
    std::set<std::string> pairs;
    for (int y = 2467; y < 2527; ++y)
        pairs.insert(StemOfBEYear(y) + " / " + BranchOfBEYear(y));
    EXPECT_EQ(pairs.size(), 60u);
}

TEST(Names, BranchNamesTakeWholeCodesOnly) {
    struct Case {
        const char* code;
        const char* name;
    };
    const Case cases[] = {
        { "1", "ชวด"},
        { "9", "วอก"},
        {"12", "กุน"},
        { "0",          ""},
        {"13",          ""},
        {"01",          ""},
        {  "",          ""},
        {"1 ",          ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BranchNameOfCode(c.code), c.name) << c.code;
    EXPECT_EQ(StemNameOfCode("1"), "กะ");
    EXPECT_EQ(StemNameOfCode("10"), "กุ่ย");
    EXPECT_EQ(StemNameOfCode("11"), "");
}

TEST(Names, MonthNamesTakeTwoDigitCodesOnly) {
    struct Case {
        const char* code;
        const char* name;
    };
    const Case cases[] = {
        {"01",             "มกราคม"},
        {"02", "กุมภาพันธ์"},
        {"12",          "ธันวาคม"},
        { "1",                               ""},
        {"00",                               ""},
        {"13",                               ""},
        {  "",                               ""},
        {"1a",                               ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MonthNameOfCode(c.code), c.name) << c.code;
}

TEST(Names, HourWindowsAndWeekdaysByNumber) {
    EXPECT_EQ(TwoHourPeriodText(1), "23:30-00:30 น.");
    EXPECT_EQ(TwoHourPeriodText(7), "11:30-12:30 น.");
    EXPECT_EQ(TwoHourPeriodText(12), "21:30-22:30 น.");
    EXPECT_EQ(TwoHourPeriodText(0), "");
    EXPECT_EQ(TwoHourPeriodText(13), "");
    EXPECT_EQ(WeekdayAbbreviation(1), "อา.");
    EXPECT_EQ(WeekdayAbbreviation(5), "พฤ.");
    EXPECT_EQ(WeekdayAbbreviation(7), "ส.");
    EXPECT_EQ(WeekdayAbbreviation(0), "");
    EXPECT_EQ(WeekdayAbbreviation(8), "");
}

TEST(ListItems, TwoDigitCodeEqualsSignName) {
    const auto branches = BranchListItems();
    EXPECT_EQ(branches.front(), "01 = ชวด");
    EXPECT_EQ(branches[4], "05 = มะโรง");
    EXPECT_EQ(branches.back(), "12 = กุน");
    const auto months = MonthListItems();
    EXPECT_EQ(months.front(), "01 = มกราคม");
    EXPECT_EQ(months.back(), "12 = ธันวาคม");
    EXPECT_EQ(BranchListItem("01"), "");
    EXPECT_EQ(MonthListItem("1"), "");
}

TEST(Elements, PictureOfEachName) {
    struct Case {
        const char* name;
        const char* picture;
    };
    const Case cases[] = {
        {   "ดิน", "ground.bmp"},
        {      "ไฟ",   "fire.bmp"},
        {   "ไม้",   "wood.bmp"},
        {   "น้ำ",  "water.bmp"},
        {   "ทอง",   "gold.bmp"},
        {"ธาตุ",           ""},
        {            "",           ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ElementPictureOfName(c.name), c.picture) << c.name;
}

}  // namespace
}  // namespace omenary::astro
