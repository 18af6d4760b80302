#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/astro/cycles.h"
#include "core/calendar/pillars.h"
#include "core/calendar/sun.h"

namespace omenary::calendar {
namespace {

TEST(DayPillar, KnownDatesOfTheUnbrokenCycle) {
    struct Case {
        int year, month, day;
        Pillar pillar;
    };
    for (const Case& c : {
             Case{2000,  1,  1,   {5, 7}}, // 戊午
             Case{1949, 10,  1,   {1, 1}}, // 甲子
             Case{1900,  1,  1,  {1, 11}}, // 甲戌
             Case{1900,  1, 31,   {1, 5}}, // 甲辰
             Case{1900,  3,  1, {10, 10}}, // 癸酉: 1900 is no leap year, 29 days after 甲辰
             Case{2000,  3,  1,   {5, 7}}, // 戊午 again: 2000 is a leap year, 60 days on
    })
        EXPECT_EQ(DayPillar(JulianDayNumber(c.year, c.month, c.day)), c.pillar)
            << c.year << "-" << c.month << "-" << c.day;
    EXPECT_EQ(JulianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(JulianDayNumber(1858, 11, 17), 2400001);
}

TEST(YearPillar, AgreesWithTheYearCodesAndContinuesBelowThem) {
    for (int be = 2443; be <= 3000; ++be) {
        const Pillar pillar = YearPillar(be);
        EXPECT_EQ(std::to_string(pillar.stem), astro::StemOfBEYear(be)) << be;
        EXPECT_EQ(std::to_string(pillar.branch), astro::BranchOfBEYear(be)) << be;
    }
    EXPECT_EQ(YearPillar(2567), (Pillar{1, 5}));   // 2024 甲辰
    EXPECT_EQ(YearPillar(2442), (Pillar{6, 12}));  // 1899 己亥
    EXPECT_EQ(YearPillar(2400), (Pillar{4, 6}));   // 1857 丁巳
}

TEST(MonthPillar, TermsOpenTheirBranchesAndTheYearStemGivesTheMonthStem) {
    const int branchOfTerm[][2] = {
        {315,  3},
        {345,  4},
        { 15,  5},
        { 45,  6},
        { 75,  7},
        {105,  8},
        {135,  9},
        {165, 10},
        {195, 11},
        {225, 12},
        {255,  1},
        {285,  2}
    };
    for (const auto& [longitude, branch] : branchOfTerm)
        EXPECT_EQ(MonthBranchOfTerm(longitude), branch) << longitude;
    struct Case {
        int yearStem, monthBranch;
        Pillar month;
    };
    for (const Case& c : {
             Case{ 1, 3, {3, 3}}, // 甲 year: 丙寅
             Case{ 6, 3, {3, 3}}, // 己 year: 丙寅
             Case{ 2, 3, {5, 3}}, // 乙: 戊寅
             Case{ 7, 3, {5, 3}}, // 庚: 戊寅
             Case{ 3, 3, {7, 3}}, // 丙: 庚寅
             Case{ 4, 3, {9, 3}}, // 丁: 壬寅
             Case{10, 3, {1, 3}}, // 癸: 甲寅
             Case{ 1, 4, {4, 4}}, // 甲: 丁卯
             Case{ 1, 1, {3, 1}}, // 甲: 丙子, the eleventh month
             Case{ 1, 2, {4, 2}}, // 甲: 丁丑, the last month
             Case{10, 2, {2, 2}}, // 癸: 乙丑
    })
        EXPECT_EQ(MonthPillar(c.yearStem, c.monthBranch), c.month) << c.yearStem << "/" << c.monthBranch;
}

struct PublishedTerm {
    int longitude;
    int year, month, day;  // Thailand date
    int hour, minute;      // Thailand time (UTC+7)
};

void ExpectOnTheDayAndMinute(const PublishedTerm& published) {
    const auto terms = SectionalTermsOfYear(published.year);
    const auto term = std::find_if(terms.begin(), terms.end(), [&](const SectionalTerm& t) {
        return t.longitude == published.longitude;
    });
    ASSERT_NE(term, terms.end());
    const std::string what = std::to_string(published.year) + " " + std::to_string(published.longitude) + "°";
    EXPECT_EQ(term->month, published.month) << what;
    EXPECT_EQ(term->day, published.day) << what;
    // Almanacs cut or round to the minute; either way within one minute.
    EXPECT_LE(std::abs(term->minuteOfDay - (published.hour * 60 + published.minute)), 1) << what;
}

// Start of summer (45°) 2001-2014 from the published table in UTC, here in Thailand time: 2003, 2007
// and 2011 move to 6 May.
TEST(SectionalTerms, StartOfSummerAsPublished) {
    for (const PublishedTerm& t : {
             PublishedTerm{45, 2001, 5, 5, 17, 44},
             PublishedTerm{45, 2002, 5, 5, 23, 37},
             PublishedTerm{45, 2003, 5, 6,  5, 10},
             PublishedTerm{45, 2004, 5, 5, 11,  2},
             PublishedTerm{45, 2005, 5, 5, 16, 52},
             PublishedTerm{45, 2006, 5, 5, 22, 30},
             PublishedTerm{45, 2007, 5, 6,  4, 20},
             PublishedTerm{45, 2008, 5, 5, 10,  3},
             PublishedTerm{45, 2009, 5, 5, 15, 50},
             PublishedTerm{45, 2010, 5, 5, 21, 44},
             PublishedTerm{45, 2011, 5, 6,  3, 23},
             PublishedTerm{45, 2012, 5, 5,  9, 19},
             PublishedTerm{45, 2013, 5, 5, 15, 18},
             PublishedTerm{45, 2014, 5, 5, 20, 59},
    })
        ExpectOnTheDayAndMinute(t);
}

// The almanac's sectional terms of 2024 and early 2025 (Beijing time less one hour).
TEST(SectionalTerms, AlmanacOf2024And2025) {
    for (const PublishedTerm& t : {
             PublishedTerm{285, 2024,  1, 6,  3, 49},
             PublishedTerm{315, 2024,  2, 4, 15, 27},
             PublishedTerm{345, 2024,  3, 5,  9, 23},
             PublishedTerm{ 15, 2024,  4, 4, 14,  2},
             PublishedTerm{ 45, 2024,  5, 5,  7, 10},
             PublishedTerm{ 75, 2024,  6, 5, 11, 10},
             PublishedTerm{105, 2024,  7, 6, 21, 20},
             PublishedTerm{135, 2024,  8, 7,  7,  9},
             PublishedTerm{165, 2024,  9, 7, 10, 11},
             PublishedTerm{195, 2024, 10, 8,  2,  0},
             PublishedTerm{225, 2024, 11, 7,  5, 20},
             PublishedTerm{255, 2024, 12, 6, 22, 17},
             PublishedTerm{285, 2025,  1, 5,  9, 33},
             PublishedTerm{315, 2025,  2, 3, 21, 10},
    })
        ExpectOnTheDayAndMinute(t);
}

TEST(SectionalTerms, RootFinderLandsOnTheLongitude) {
    for (double longitude : {0.0, 14.5, 179.9, 315.0, 359.99}) {
        const double moment = MomentOfSolarLongitude(longitude, 2460000.5);
        const double reached = ApparentSolarLongitude(moment);
        EXPECT_NEAR(std::remainder(reached - longitude, 360.0), 0.0, 1e-6) << longitude;
    }
}

TEST(DeltaT, EspenakMeeusValues) {
    EXPECT_NEAR(DeltaTSeconds(1900.0), -2.79, 0.01);
    EXPECT_NEAR(DeltaTSeconds(1950.0), 29.07, 0.01);
    EXPECT_NEAR(DeltaTSeconds(2000.0), 63.86, 0.01);
    // The segments meet without a jump.
    for (double year : {1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0})
        EXPECT_NEAR(DeltaTSeconds(year - 1e-9), DeltaTSeconds(year), 1.0) << year;
}

}  // namespace
}  // namespace omenary::calendar
