#include "core/coin/tab_handlers.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/core/coin/coin_tab.h"

namespace omenary::coin {
namespace {

std::vector<std::string> YearItems() {
    std::vector<std::string> items;
    for (int y = 2443; y <= 2699; ++y)
        items.push_back(std::to_string(y));
    return items;
}

TEST(CoinBirthYear, YearAndAgeOfThePairFromTheStartYear) {
    const struct {
        const char* start;
        const char* stem;
        const char* branch;
        const char* birth;
        int age;
    } cases[] = {
        { "2547", "01", "01",  "2527", 21},
        { "2547", "05", "01",  "2491", 57},
        { "2547", "01", "11",  "2537", 11},
        { "2547", "03", "11",  "2489", 59},
        { "2547", "09", "09",  "2535", 13},
 // Before 2535 the first cycle is taken, however young that makes the giver.
        { "2480", "09", "09",  "2475",  6},
        { "2480", "01", "11",  "2477",  4},
 // ... but never a year after the start year: the cycle runs on below 2467.
        { "2470", "09", "09",  "2415", 56},
        { "2443", "01", "01",  "2407", 37},
        { "2466", "10", "12",  "2466",  1},
        { "2420", "01", "01",  "2407", 14},
 // The window start − 68 ... start − 9 moves on by one cycle between these two.
        { "2595", "01", "01",  "2527", 69},
        { "2596", "01", "01",  "2587", 10},
 // Far years are worked out, not walked to.
        {"99999", "10", "12", "99966", 34},
    };
    for (const auto& c : cases) {
        const std::string birth = BirthYearOfPair(c.stem, c.branch, c.start);
        EXPECT_EQ(birth, c.birth) << c.start << " " << c.stem << "/" << c.branch;
        EXPECT_EQ(std::stoi(c.start) - std::stoi(birth) + 1, c.age) << c.start;
    }
}

TEST(CoinBirthYear, OddPairsAndTextsThatAreNoCodesGiveNoYear) {
    const struct {
        const char* stem;
        const char* branch;
        const char* start;
    } cases[] = {
        {                "01", "02", "2547"},
        {                "10", "01", "2547"},
        {"ราศีบน", "01", "2547"},
        {                "11", "01", "2547"},
        {                "01", "13", "2547"},
        {                "00", "12", "2547"},
        {                "01", "01",     ""},
        {                "01", "01", "25x7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BirthYearOfPair(c.stem, c.branch, c.start), "")
            << c.stem << "/" << c.branch << " " << c.start;
}

TEST(CoinBirthYear, FromStartYear2535OnTheSixtyPairsGiveEachAgeTenToSixtyNineOnce) {
    for (int start = 2535; start <= 2760; ++start) {
        std::set<int> ages;
        int pairs = 0;
        for (int s = 1; s <= 10; ++s) {
            for (int b = 1; b <= 12; ++b) {
                if (!IsCoinPair(s, b)) continue;
                ++pairs;
                const std::string birth = BirthYearOfPair(TwoDigits(s), TwoDigits(b), std::to_string(start));
                ages.insert(start - std::stoi(birth) + 1);
            }
        }
        ASSERT_EQ(pairs, 60);
        ASSERT_EQ(ages.size(), 60u) << start;
        EXPECT_EQ(*ages.begin(), 10) << start;
        EXPECT_EQ(*ages.rbegin(), 69) << start;
    }
}

// A calendar in which the giver 1/1 has a whole day on 10 January 2547.
CoinTab WithCalendar() {
    CoinTab tab = CoinTab::Started("2547", "01 = มกราคม", "05");
    tab.values.listboxcalendar = Lines({DayLine(2547, 1, 5, 2, 2), DayLine(2547, 1, 10, 1, 1)});
    return tab;
}

TEST(CoinPicker, AnOddPairBeepsDisablesTheButtonsAndClearsTheResults) {
    CoinTab tab = WithCalendar();
    ASSERT_EQ(SpeedButtonOnClick(tab.values, 1, tab.pictures, tab.Context()), Click::Done);
    ASSERT_EQ(SpeedButtonBelowClick(tab.values, 1, tab.pictures, tab.Context()), Click::Done);
    ASSERT_TRUE(tab.values.ButtonPrintOmenaryCoin);
    ASSERT_EQ(tab.values.LabelOmenaryCoin[4], "ส.10 มกราคม 2547");

    SpeedButtonBelowClick(tab.values, 2, tab.pictures, tab.Context());
    EXPECT_EQ(tab.messages.Beeps(), 1);
    EXPECT_FALSE(tab.values.ButtonCalOmenaryCoin);
    EXPECT_FALSE(tab.values.ButtonPrintOmenaryCoin);
    EXPECT_EQ(tab.values.LabelCoinDetail1, "");
    EXPECT_EQ(tab.values.LabelCoinDetail2, "");
    EXPECT_EQ(tab.values.LabelCoinDetail3, "");
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(tab.values.LabelOmenaryCoin[i], "วันที่");
        EXPECT_EQ(tab.values.LabelOmenaryTimeCoin[i], "เวลา");
    }
    EXPECT_EQ(tab.values.LabelRasiLang, "02");
    EXPECT_TRUE(tab.messages.Entries().empty());
}

TEST(CoinPicker, AnAcceptedPairGivesBirthYearAgeNameAndRunsTheSearch) {
    // Both orders of clicking; the name is set last either way.
    for (const bool stemFirst : {true, false}) {
        CoinTab tab = WithCalendar();
        if (stemFirst) {
            SpeedButtonOnClick(tab.values, 1, tab.pictures, tab.Context());
            SpeedButtonBelowClick(tab.values, 1, tab.pictures, tab.Context());
        } else {
            SpeedButtonBelowClick(tab.values, 1, tab.pictures, tab.Context());
            SpeedButtonOnClick(tab.values, 1, tab.pictures, tab.Context());
        }
        EXPECT_EQ(tab.values.LabelRasibon, "01");
        EXPECT_EQ(tab.values.LabelRasiLang, "01");
        EXPECT_EQ(tab.values.LabelCoinDetail1, "ชวด");
        EXPECT_EQ(tab.values.LabelCoinDetail2, "2527");
        EXPECT_EQ(tab.values.LabelCoinDetail3, "21");
        EXPECT_TRUE(tab.values.ButtonCalOmenaryCoin);
        EXPECT_TRUE(tab.values.ButtonPrintOmenaryCoin);
        EXPECT_EQ(tab.values.LabelOmenaryCoin[4], "ส.10 มกราคม 2547");
        EXPECT_EQ(tab.values.LabelOmenaryTimeCoin[4], "ทั้งวัน");
        EXPECT_EQ(tab.messages.Beeps(), 0);
    }
}

TEST(CoinPicker, ClicksLoadTheirPicturesAndABranchAloneShowsItsNameWithoutSearching) {
    CoinTab tab = WithCalendar();
    SpeedButtonBelowClick(tab.values, 7, tab.pictures, tab.Context());
    EXPECT_EQ(tab.values.LabelCoinDetail1, "มะเมีย");
    EXPECT_EQ(tab.values.ImageRasilang, "B7.BMP");
    EXPECT_EQ(tab.values.ImageNRasilang, "N7.BMP");
    EXPECT_EQ(tab.values.LabelOmenaryCoin[0], "วันที่");
    EXPECT_FALSE(tab.values.ButtonCalOmenaryCoin);

    SpeedButtonOnClick(tab.values, 10, tab.pictures, tab.Context());
    EXPECT_EQ(tab.values.LabelRasibon, "10");
    EXPECT_EQ(tab.values.ImageRasibon, "O10.BMP");
    EXPECT_EQ(tab.values.ImageNRasibon, "N10.BMP");
    EXPECT_EQ(tab.pictures.asked, (std::vector<std::string>{"B7.BMP", "N7.BMP", "O10.BMP", "N10.BMP"}));
    EXPECT_EQ(tab.messages.Beeps(), 1);  // 10 and 7 are no pair
}

TEST(CoinPicker, AMissingPictureIsReportedAndStopsTheClickWithItsCodeSet) {
    CoinTab tab = WithCalendar();
    tab.pictures = omenary::testing::FakePictures({"N1.BMP"});
    SpeedButtonOnClick(tab.values, 3, tab.pictures, tab.Context());
    EXPECT_EQ(SpeedButtonBelowClick(tab.values, 1, tab.pictures, tab.Context()), Click::PictureMissing);
    EXPECT_EQ(tab.values.LabelRasiLang, "01");
    EXPECT_EQ(tab.values.ImageRasilang, "B1.BMP");
    EXPECT_EQ(tab.values.ImageNRasilang, "");
    EXPECT_EQ(tab.values.LabelCoinDetail1, std::string(10, ' '));
    EXPECT_FALSE(tab.values.ButtonCalOmenaryCoin);
    ASSERT_EQ(tab.messages.Entries().size(), 1u);
    EXPECT_NE(tab.messages.Entries()[0].text.find("N1.BMP"), std::string::npos);
}

TEST(CoinStartDate, ListsAcceptOnlyTheirOwnItems) {
    const auto leave = [](const char* dd, const char* mm, const char* yy) {
        CoinTab tab = CoinTab::Started(yy, mm, dd);
        return std::vector<Leave>{ComboBoxDDExit(tab.values, tab.Context()),
                                  ComboBoxMMExit(tab.values, tab.Context()),
                                  ComboBoxYYExit(tab.values, YearItems(), tab.Context())};
    };
    using enum Leave;
    EXPECT_EQ(leave("05", "04 = เมษายน", "2547"), (std::vector<Leave>{Accepted, Accepted, Accepted}));
    EXPECT_EQ(leave("5", "04", "2442"), (std::vector<Leave>{Refused, Refused, Refused}));
    EXPECT_EQ(leave("31", "12 = ธันวาคม", "2699"), (std::vector<Leave>{Accepted, Accepted, Accepted}));
    EXPECT_EQ(leave("32", "4 = เมษายน", "2700"), (std::vector<Leave>{Refused, Refused, Refused}));
    EXPECT_EQ(leave("01 ", "04 = เมษายน ", " 2547"), (std::vector<Leave>{Refused, Refused, Refused}));
}

TEST(CoinStartDate, LeavingAListWithAPairStandingWorksTheAgeOutAgainAndSearches) {
    CoinTab tab = WithCalendar();
    SpeedButtonOnClick(tab.values, 1, tab.pictures, tab.Context());
    SpeedButtonBelowClick(tab.values, 1, tab.pictures, tab.Context());
    tab.values.ComboBoxYY = "2548";
    ASSERT_EQ(ComboBoxYYExit(tab.values, YearItems(), tab.Context()), Leave::Accepted);
    EXPECT_EQ(tab.values.LabelCoinDetail2, "2527");
    EXPECT_EQ(tab.values.LabelCoinDetail3, "22");
    // The search ran again: 2548 is not among the loaded lines, so every slot is free.
    EXPECT_EQ(tab.values.LabelOmenaryCoin[4], "ฤกษ์ 5");

    // A refused text changes nothing; without an accepted pair nothing is searched.
    tab.values.ComboBoxDD = "1";
    EXPECT_EQ(ComboBoxDDExit(tab.values, tab.Context()), Leave::Refused);
    EXPECT_EQ(tab.values.LabelOmenaryCoin[4], "ฤกษ์ 5");
    CoinTab noPair = WithCalendar();
    EXPECT_EQ(ComboBoxDDExit(noPair.values, noPair.Context()), Leave::Accepted);
    EXPECT_EQ(noPair.values.LabelOmenaryCoin[4], "วันที่");
}

}  // namespace
}  // namespace omenary::coin
