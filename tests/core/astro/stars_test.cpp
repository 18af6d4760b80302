#include "core/astro/stars.h"

#include <gtest/gtest.h>

#include <string>

namespace omenary::astro {
namespace {

TEST(TidTodToyOfYearStem, ByStem) {
    const char* expected[] = {"0", "90", "45", "45", "225", "225", "135", "135", "270", "270"};
    for (int stem = 1; stem <= 10; ++stem)
        EXPECT_EQ(TidTodToyOfYearStem(std::to_string(stem)), expected[stem - 1]);
    for (const char* other : {"", "0", "11", "01"})
        EXPECT_EQ(TidTodToyOfYearStem(other), "") << other;
}

TEST(DeriveYearOfWork, WorkedExamples) {
    YearOfWork y2547;
    DeriveYearOfWork(2547, y2547);
    EXPECT_EQ(y2547.LabelRasibonYearProcess, "1");
    EXPECT_EQ(y2547.LabelRasirangYearProcess, "9");
    EXPECT_EQ(y2547.ComboBoxYearProcess, "วอก");
    EXPECT_EQ(y2547.Labelchongyear, "3");
    EXPECT_EQ(y2547.Labelevilyeartreasury, "8");
    EXPECT_EQ(y2547.Labelevilyearmaster, "7");
    EXPECT_EQ(y2547.Labelevilyearmeans, "6");
    EXPECT_EQ(y2547.LabelTidTodToy, "0");

    YearOfWork y2551;
    DeriveYearOfWork(2551, y2551);
    EXPECT_EQ(y2551.LabelRasibonYearProcess, "5");
    EXPECT_EQ(y2551.LabelRasirangYearProcess, "1");
    EXPECT_EQ(y2551.LabelTidTodToy, "225");
    EXPECT_EQ(y2551.Labelchongyear, "7");
    EXPECT_EQ(y2551.Labelevilyearmaster, "7");
}

TEST(DeriveYearOfWork, AStemWithoutDirectionKeepsThePreviousOne) {
    YearOfWork year;
    year.LabelTidTodToy = "135";
    DeriveYearOfWork(2436, year);  // no stem exists this early
    EXPECT_EQ(year.LabelRasibonYearProcess, "");
    EXPECT_EQ(year.LabelTidTodToy, "135");
}

TEST(MonthStarBase, ByBranchName) {
    struct Case {
        const char* name;
        const char* base;
    };
    const Case cases[] = {
        {         "ชวด", "8"},
        {"มะเมีย", "8"},
        {      "เถาะ", "8"},
        {      "ระกา", "8"},
        {   "มะโรง", "5"},
        {            "จอ", "5"},
        {         "ฉลู", "5"},
        {      "มะแม", "5"},
        {         "ขาล", "2"},
        {         "วอก", "2"},
        {"มะเส็ง", "2"},
        {         "กุน", "2"},
        {                  "",  ""},
        {                 "1",  ""},
        {    "01 = ชวด",  ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MonthStarBase(c.name), c.base) << c.name;
}

TEST(YearStarRule, WorkedExamples) {
    struct Case {
        const char* year;
        int month;
        const char* star;
    };
    const Case cases[] = {
        {"2547",  3, "5"},
        {"2548",  3, "4"},
        {"2551",  3, "1"},
        {"2548",  1, "5"},
        {"2547", 12, "5"},
        {"2547",  1, "6"},
        {"2567",  5, "3"},
        {"2999",  6, "3"},
        { "254",  3,  ""},
        {"25a7",  3,  ""},
        {"2547",  0,  ""},
        {"2547", 13,  ""},
        {    "",  3,  ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(YearStarRule(c.year, c.month), c.star) << c.year << " month " << c.month;
}

TEST(YearStarRule, AlwaysAStarOneToNine) {
    for (int year = 2443; year <= 2999; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const std::string star = YearStarRule(std::to_string(year), month);
            ASSERT_EQ(star.size(), 1u) << year;
            ASSERT_GE(star[0], '1');
            ASSERT_LE(star[0], '9');
        }
    }
}

TEST(MonthStarRule, WorkedExamples) {
    struct Case {
        const char* branch;
        int month;
        MonthStars stars;
    };
    const Case cases[] = {
        {      "ชวด",  2, {"8", "7", "6", "5", "03", "04", "05"}},
        {      "ชวด", 11, {"8", "7", "6", "5", "12", "01", "02"}},
        {      "ขาล", 12, {"1", "9", "8", "7", "01", "02", "03"}},
        {"มะโรง",  1, {"6", "5", "4", "3", "02", "03", "04"}},
        {      "กุน", 10, {"3", "2", "1", "9", "11", "12", "01"}},
    };
    for (const Case& c : cases) {
        const MonthStars s = MonthStarRule(c.branch, c.month);
        const auto label = std::string(c.branch) + " month " + std::to_string(c.month);
        EXPECT_EQ(s.Labelmonthstar1, c.stars.Labelmonthstar1) << label;
        EXPECT_EQ(s.Labelmonthstar2, c.stars.Labelmonthstar2) << label;
        EXPECT_EQ(s.Labelmonthstar3, c.stars.Labelmonthstar3) << label;
        EXPECT_EQ(s.Labelmonthstar4, c.stars.Labelmonthstar4) << label;
        EXPECT_EQ(s.Labelnextmonthstar1, c.stars.Labelnextmonthstar1) << label;
        EXPECT_EQ(s.Labelnextmonthstar2, c.stars.Labelnextmonthstar2) << label;
        EXPECT_EQ(s.Labelnextmonthstar3, c.stars.Labelnextmonthstar3) << label;
    }
}

TEST(MonthStarRule, UnknownBranchOrMonthGivesNoStars) {
    for (const auto& [branch, month] : {
             std::pair{         "",  3},
             std::pair{"ชวด",  0},
             std::pair{"ชวด", 13}
    }) {
        const MonthStars s = MonthStarRule(branch, month);
        EXPECT_EQ(s.Labelmonthstar1, "");
        EXPECT_EQ(s.Labelnextmonthstar3, "");
    }
}

}  // namespace
}  // namespace omenary::astro
