#include "core/platform/clock.h"

#include <gtest/gtest.h>

namespace omenary::platform {
namespace {

TEST(ParseIsoDate, RealDatesOnly) {
    struct Case {
        const char* text;
        std::optional<Date> expected;
    };
    const Case cases[] = {
        {"2004-03-15", Date{2004, 3, 15}},
        {"2547-03-15", Date{2547, 3, 15}},
        {"2024-02-29", Date{2024, 2, 29}},
        {"2567-02-29", Date{2567, 2, 29}},
        {"2023-02-29",      std::nullopt},
        {"2566-02-29",      std::nullopt},
        {"2004-13-01",      std::nullopt},
        {"2004-00-10",      std::nullopt},
        {"2004-04-31",      std::nullopt},
        { "2004-3-15",      std::nullopt},
        {"15-03-2004",      std::nullopt},
        {          "",      std::nullopt},
        {"2004/03/15",      std::nullopt},
        {"0000-01-01",      std::nullopt},
        {"abcd-ef-gh",      std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseIsoDate(c.text), c.expected) << c.text;
}

TEST(BuddhistEraYear, SystemYearsFrom2400AreAlreadyBuddhistEra) {
    EXPECT_EQ(BuddhistEraYear(2004), 2547);
    EXPECT_EQ(BuddhistEraYear(2547), 2547);
    EXPECT_EQ(BuddhistEraYear(2399), 2942);
    EXPECT_EQ(BuddhistEraYear(2400), 2400);
}

TEST(Clocks, FixedClockGivesItsDateAndTheSystemClockARealOne) {
    EXPECT_EQ(FixedClock(Date{2024, 2, 4}).Today(), (Date{2024, 2, 4}));
    const Date today = SystemClock().Today();
    EXPECT_GE(today.year, 2024);
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.month, 12);
}

}  // namespace
}  // namespace omenary::platform
