#include "core/coin/search.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/coin/tab_handlers.h"
#include "tests/core/coin/coin_tab.h"
#include "tests/temp_folder.h"

namespace omenary::coin {
namespace {

namespace fs = std::filesystem;

TEST(CoinHourMatch, MatchesAndTheirTimeTexts) {
    const struct {
        int gs, gb, ds, db, hour;
        std::optional<std::string> time;
        const char* why;
    } cases[] = {
        {1,  5, 4, 4,  5,      "07:30-08:30 น.",                           "(a): hour 5 of day stem 4 has stem 1"},
        {1,  5, 4, 4,  4,            std::nullopt,                                 "hour 4 of that day has stem 10"},
        {2,  4, 5, 9,  4,            std::nullopt, "the hour's pair is the giver's, but (a) needs a branch above 4"},
        {4,  8, 1, 8,  4,      "05:30-06:30 น.",                                  "(b): hour stem and day branch"},
        {4, 10, 4, 3, 10,      "17:30-18:30 น.",                                  "(c): day stem and hour branch"},
        {1,  1, 1, 1,  4, "ทั้งวัน",                             "(d): the day's pair is the giver's"},
        {1,  9, 1, 9,  9, "ทั้งวัน",        "(d) overwrites (c), which holds at the giver's own hour"},
        {2,  2, 3, 4,  6,            std::nullopt,                                                  "nothing holds"},
        {2,  8, 2, 1,  8,      "13:30-14:30 น.",                  "(g) as written: 1 and 8 differ by more than 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HourMatch(c.gs, c.gb, c.ds, c.db, c.hour), c.time) << c.why;
}

TEST(CoinHourMatch, EachExclusionAloneClearsAMatch) {
    const struct {
        int gs, gb, ds, db, hour;
        const char* why;
    } cases[] = {
        {3,  9, 3, 3,  9,                       "(e) the hour clashes with the day: 9 = 3 + 6"},
        {3,  3, 3, 9,  3,                                                    "(e) 3 = 9 − 6"},
        {6,  4, 1, 4,  6,                   "(f) the hour stem 6 is five above the day stem 1"},
        {1,  7, 1, 6,  7, "(g) hour 7 is one of 1, 2, 7, 8 and differs from day branch 6 by 1"},
        {2,  8, 2, 7,  8,                            "(g) day branch 7 and hour 8 differ by 1"},
        {2, 10, 2, 5, 10,                   "(g) neither is one of 1, 2, 7, 8 and 5 + 10 = 15"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HourMatch(c.gs, c.gb, c.ds, c.db, c.hour), std::nullopt) << c.why;
}

TEST(CoinDaysInMonth, TheGregorianRuleJudgesFebruary) {
    const struct {
        int month, beYear, days;
    } cases[] = {
        { 2, 2547, 29},
        { 2, 2546, 28},
        { 2, 2443, 28}, // 1900: divisible by 100, not by 400
        { 2, 2543, 29}, // 2000: a whole four hundred
        { 4, 2547, 30},
        { 6, 2547, 30},
        { 9, 2547, 30},
        {11, 2547, 30},
        { 1, 2547, 31},
        {12, 2547, 31},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaysInMonth(c.month, c.beYear), c.days) << c.month << "/" << c.beYear;
}

TEST(CoinDateText, WeekdayDayMonthAndYear) {
    EXPECT_EQ(DateText("2547 01 05"), "จ.5 มกราคม 2547");
    EXPECT_EQ(DateText("2547 02 29"), "อา.29 กุมภาพันธ์ 2547");
    EXPECT_EQ(DateText("2442 01 01"), "อา.1 มกราคม 2442");
    EXPECT_EQ(DateText("2547 02 30"), "30 กุมภาพันธ์ 2547");  // no such day: no weekday
}

// Runs the search over the lines for the giver and start date given.
CoinTab Search(int stem, int branch, const char* year, const char* month, const char* day,
               const std::vector<std::string>& lines) {
    CoinTab tab = CoinTab::Started(year, month, day);
    tab.values.LabelRasibon = TwoDigits(stem);
    tab.values.LabelRasiLang = TwoDigits(branch);
    tab.values.listboxcalendar = Lines(lines);
    ButtonCalOmenaryCoinClick(tab.values, tab.Context());
    return tab;
}

std::vector<std::string> Slots(const CoinValues& v) {
    std::vector<std::string> slots;
    for (std::size_t i = 0; i < kSlotCount; ++i)
        slots.push_back(v.LabelOmenaryCoin[i] + " | " + v.LabelOmenaryTimeCoin[i]);
    return slots;
}

const std::vector<std::string> kFree = {"ฤกษ์ 1 | เวลา", "ฤกษ์ 2 | เวลา", "ฤกษ์ 3 | เวลา",
                                        "ฤกษ์ 4 | เวลา", "ฤกษ์ 5 | เวลา", "ฤกษ์ 6 | เวลา"};

TEST(CoinSearch, ATimedMatchFillsTheNextTimedSlotAtItsEarliestHour) {
    const CoinTab tab =
        Search(1, 5, "2547", "01 = มกราคม", "05",
               {DayLine(2547, 1, 4, 4, 4), DayLine(2547, 1, 5, 4, 4), DayLine(2547, 1, 6, 4, 4)});
    std::vector<std::string> expected = kFree;
    expected[0] = "จ.5 มกราคม 2547 | 07:30-08:30 น.";
    expected[1] = "อ.6 มกราคม 2547 | 07:30-08:30 น.";
    EXPECT_EQ(Slots(tab.values), expected);
    EXPECT_EQ(tab.values.ComboBoxMM, "01 = มกราคม");
}

TEST(CoinSearch, AWholeDayWhileSlotsFiveAndSixAreFullGivesNothing) {
    // Day 1/1 for giver 1/1: (d) writes "ทั้งวัน" last at every hour, so the third such day gives no
    // timed result either; day 4/1 matches by (b) at hour 5.
    const CoinTab tab = Search(1, 1, "2547", "01", "01",
                               {DayLine(2547, 1, 1, 1, 1), DayLine(2547, 1, 2, 1, 1),
                                DayLine(2547, 1, 3, 1, 1), DayLine(2547, 1, 4, 4, 1)});
    std::vector<std::string> expected = kFree;
    expected[0] = "อา.4 มกราคม 2547 | 07:30-08:30 น.";
    expected[4] = "พฤ.1 มกราคม 2547 | ทั้งวัน";
    expected[5] = "ศ.2 มกราคม 2547 | ทั้งวัน";
    EXPECT_EQ(Slots(tab.values), expected);
    EXPECT_EQ(tab.values.ComboBoxMM, "01 = มกราคม");  // a bare month is shown as its item again
}

TEST(CoinSearch, TheWalkEndsWithTheRecordThatFillsTheLastSlot) {
    std::vector<std::string> lines = {DayLine(2547, 1, 1, 1, 1), DayLine(2547, 1, 2, 1, 1)};
    for (int day = 3; day <= 6; ++day)
        lines.push_back(DayLine(2547, 1, day, 4, 1));
    lines.push_back(DayLine(2547, 1, 7, 7, 7));
    const CoinTab tab = Search(1, 1, "2547", "01 = มกราคม", "01", lines);
    EXPECT_EQ(tab.values.LabelOmenaryCoin[3], "อ.6 มกราคม 2547");
    // The scratch values are those of the hour that filled slot 4, not of 7 January.
    EXPECT_EQ(tab.values.LabelRasioneON, "4");
    EXPECT_EQ(tab.values.LabelRasioneBELOW, "1");
    EXPECT_EQ(tab.values.LabelRasiwayraON, "1");
    EXPECT_EQ(tab.values.LabelRasiwayraBELOW, "5");
}

TEST(CoinSearch, AStartDayBeyondItsMonthIsTheLastDayWithAMessage) {
    const struct {
        const char* year;
        const char* month;
        const char* day;
        bool message;
        const char* dayAfter;
    } cases[] = {
        {"2547",             "04 = เมษายน", "31",  true, "30"},
        {"2547", "02 = กุมภาพันธ์", "29", false, "29"},
        {"2546", "02 = กุมภาพันธ์", "29",  true, "28"},
        {"2443", "02 = กุมภาพันธ์", "29",  true, "28"}, // 1900 is no leap year
        {"2547", "02 = กุมภาพันธ์", "31",  true, "29"},
        {"2547",                                  "06", "31",  true, "30"},
    };
    for (const auto& c : cases) {
        CoinTab tab = CoinTab::Started(c.year, c.month, c.day);
        tab.values.LabelRasibon = "01";
        tab.values.LabelRasiLang = "05";
        ButtonCalOmenaryCoinClick(tab.values, tab.Context());
        EXPECT_EQ(tab.values.ComboBoxDD, c.dayAfter) << c.year << " " << c.month;
        EXPECT_EQ(tab.messages.Texts(),
                  c.message ? std::vector<std::string>{"วันเดือนปีเกิดไม่ถูกต้อง"} : std::vector<std::string>{})
            << c.year << " " << c.month;
    }
    // The walk starts at the month's last day.
    const CoinTab april =
        Search(1, 5, "2547", "04 = เมษายน", "31",
               {DayLine(2547, 4, 29, 4, 4), DayLine(2547, 4, 30, 4, 4), DayLine(2547, 5, 1, 4, 4)});
    EXPECT_EQ(april.values.LabelOmenaryCoin[0], "ศ.30 เมษายน 2547");
    EXPECT_EQ(april.values.LabelOmenaryCoin[1], "ส.1 พฤษภาคม 2547");
    EXPECT_EQ(april.values.LabelOmenaryCoin[2], "ฤกษ์ 3");
}

TEST(CoinSearch, AStartKeyThatMatchesNoRecordLeavesEverySlotFreeWithoutAMessage) {
    const std::vector<std::string> lines = {DayLine(2547, 1, 5, 4, 4), DayLine(2547, 1, 6, 4, 4)};
    const struct {
        const char* month;
        const char* day;
        const char* monthAfter;
    } starts[] = {
        { "1", "05",                       "1"},
        {"01",  "5", "01 = มกราคม"},
        {"01", "07", "01 = มกราคม"},
        {  "", "05",                        ""}
    };
    for (const auto& start : starts) {
        CoinTab tab = CoinTab::Started("2547", start.month, start.day);
        tab.values.LabelOmenaryTimeCoin[2] = "07:30-08:30 น.";  // left by an earlier search
        tab.values.LabelRasibon = "01";
        tab.values.LabelRasiLang = "05";
        tab.values.listboxcalendar = Lines(lines);
        ButtonCalOmenaryCoinClick(tab.values, tab.Context());
        EXPECT_EQ(Slots(tab.values), kFree) << start.month << " " << start.day;
        EXPECT_TRUE(tab.messages.Entries().empty());
        EXPECT_EQ(tab.values.ComboBoxMM, start.monthAfter);
    }
}

TEST(CoinSearch, ShortEmptyAndGarbledLinesMatchNothing) {
    const std::string good = DayLine(2547, 1, 7, 4, 4);
    const CoinTab tab = Search(1, 5, "2547", "01 = มกราคม", "06",
                               {
                                   DayLine(2547, 1, 5, 4, 4),
                                   "2547 01 06",  // the start key alone: the walk starts, nothing matches
                                   "",
                                   "2547 01 0",
                                   good.substr(0, 24),
                                   "2547 01 07 4701090301xx04     ",
                                   "2547 01 07 47010903010413     ",
                                   std::string(200, '\xff'),
                                   good,
                               });
    std::vector<std::string> expected = kFree;
    expected[0] = "พ.7 มกราคม 2547 | 07:30-08:30 น.";
    EXPECT_EQ(Slots(tab.values), expected);
}

// A working directory with the calendar index and, unless left out, the data file under a name in
// other letter case than the index gives.
class CoinCalendarFile : public omenary::testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        index_ = calendar::ParseCalendarIndex(
                     "[DATA CALENDAR]\r\n2442 -  2700   Calendar1.TXT\r\n[END OF DATA]\r\n")
                     .index;
        ASSERT_TRUE(index_);
    }
    fs::path WriteData(const std::vector<std::string>& lines) {
        const fs::path file = root_ / "calendar1.txt";
        Write(file, std::string(Lines(lines).Bytes()));
        return file;
    }
    static CoinTab Giver15() {
        CoinTab tab = CoinTab::Started("2547", "01 = มกราคม", "05");
        tab.values.LabelRasibon = "01";
        tab.values.LabelRasiLang = "05";
        return tab;
    }
    std::optional<calendar::CalendarIndex> index_;
};

TEST_F(CoinCalendarFile, TheFileIsReadOnceUnderTheHourglassAndThenTheLinesAreReused) {
    const fs::path file = WriteData({DayLine(2547, 1, 5, 4, 4)});
    CoinTab tab = Giver15();
    EXPECT_EQ(ButtonCalOmenaryCoinClick(tab.values, tab.Context(&*index_, root_)), SearchOutcome::Searched);
    EXPECT_EQ(tab.values.LabelCurrentDataCalendar, file.string());
    EXPECT_EQ(tab.values.LabelOmenaryCoin[0], "จ.5 มกราคม 2547");
    EXPECT_EQ(tab.view.hourglasses, 1);
    EXPECT_EQ(tab.view.restores, 1);

    WriteData({DayLine(2547, 1, 5, 9, 9)});  // not read again: the same path is loaded
    tab.values.LabelOmenaryCoin[0] = "x";
    ButtonCalOmenaryCoinClick(tab.values, tab.Context(&*index_, root_));
    EXPECT_EQ(tab.values.LabelOmenaryCoin[0], "จ.5 มกราคม 2547");
    EXPECT_EQ(tab.view.hourglasses, 1);
    EXPECT_TRUE(tab.messages.Entries().empty());
}

TEST_F(CoinCalendarFile, AMissingFileIsAskedForAfterEveryOkUntilItIsThere) {
    CoinTab tab = Giver15();
    int asked = 0;
    tab.messages.SetAnswer([&](std::string_view) {
        if (++asked == 3) WriteData({DayLine(2547, 1, 5, 4, 4)});
        return true;
    });
    EXPECT_EQ(ButtonCalOmenaryCoinClick(tab.values, tab.Context(&*index_, root_)), SearchOutcome::Searched);
    EXPECT_EQ(tab.messages.Texts(), std::vector<std::string>(3, "กรุณาใส่แผ่นข้อมูล Calendar1.TXT"));
    EXPECT_EQ(tab.messages.Entries()[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(tab.values.LabelOmenaryCoin[0], "จ.5 มกราคม 2547");
}

TEST_F(CoinCalendarFile, GivingUpWalksTheLinesAlreadyLoaded) {
    CoinTab tab = Giver15();
    tab.values.listboxcalendar = Lines({DayLine(2547, 1, 5, 4, 4)});
    EXPECT_EQ(ButtonCalOmenaryCoinClick(tab.values, tab.Context(&*index_, root_)),
              SearchOutcome::DataFileGivenUp);
    EXPECT_EQ(tab.messages.Texts(), std::vector<std::string>{"กรุณาใส่แผ่นข้อมูล Calendar1.TXT"});
    EXPECT_EQ(tab.values.LabelCurrentDataCalendar, "LabelCurrentDataCalendar");
    EXPECT_EQ(tab.values.LabelOmenaryCoin[0], "จ.5 มกราคม 2547");
    EXPECT_EQ(tab.view.hourglasses, 0);
}

// Over the shipped calendar: the position of every day's date text, for checking order.
class CoinShippedCalendar : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        auto lines = calendar::ReadCalendarData(fs::path(OMENARY_DATA_DIR) / "Calendar1.TXT");
        ASSERT_TRUE(lines);
        lines_ = new TextLines(std::move(*lines));
        position_ = new std::map<std::string, std::size_t>;
        for (std::size_t i = 0; i < lines_->Count(); ++i)
            if (const auto day = calendar::ReadDayRecord(lines_->Line(i)))
                position_->emplace(DateText(day->dateKey), i);
    }
    static void TearDownTestSuite() {
        delete lines_;
        delete position_;
    }
    static inline TextLines* lines_ = nullptr;
    static inline std::map<std::string, std::size_t>* position_ = nullptr;
};

TEST_F(CoinShippedCalendar, SlotsFollowTheCalendarAndNoDayComesTwice) {
    int searches = 0, filled = 0;
    CoinTab tab;
    tab.values.listboxcalendar = *lines_;
    for (const int year : {2443, 2480, 2547, 2600, 2698}) {
        for (int month = 1; month <= 12; ++month) {
            for (int s = 1; s <= 10; ++s) {
                for (int b = 1; b <= 12; ++b) {
                    if (!IsCoinPair(s, b)) continue;
                    tab.values.ComboBoxYY = std::to_string(year);
                    tab.values.ComboBoxMM = TwoDigits(month);
                    tab.values.ComboBoxDD = "01";
                    tab.values.LabelRasibon = TwoDigits(s);
                    tab.values.LabelRasiLang = TwoDigits(b);
                    ButtonCalOmenaryCoinClick(tab.values, tab.Context());
                    ++searches;
                    const std::size_t start = position_->at(DateText(calendar::MakeDateKey(year, month, 1)));
                    std::set<std::size_t> days;
                    for (const auto& [first, last] : {
                             std::pair{1, 4},
                             std::pair{5, 6}
                    }) {
                        std::size_t previous = start;
                        bool free = false;
                        for (int slot = first; slot <= last; ++slot) {
                            const auto i = static_cast<std::size_t>(slot - 1);
                            if (tab.values.LabelOmenaryCoin[i] == FreeSlotText(slot)) {
                                free = true;
                                continue;
                            }
                            ASSERT_FALSE(free) << "slot " << slot << " filled after a free one";
                            const std::size_t at = position_->at(tab.values.LabelOmenaryCoin[i]);
                            ASSERT_GE(at, previous) << year << "-" << month << " " << s << "/" << b;
                            ASSERT_TRUE(days.insert(at).second) << tab.values.LabelOmenaryCoin[i];
                            previous = at + 1;
                            ++filled;
                            // The record's earliest qualifying hour gives the time shown.
                            const auto day = calendar::ReadDayRecord(lines_->Line(at));
                            std::optional<std::string> earliest;
                            for (int h = kFirstHour; h <= kLastHour && !earliest; ++h)
                                earliest = HourMatch(s, b, day->stem, day->branch, h);
                            if (slot <= kTimedSlots)
                                EXPECT_EQ(earliest, tab.values.LabelOmenaryTimeCoin[i]);
                            else
                                EXPECT_EQ(tab.values.LabelOmenaryTimeCoin[i], "ทั้งวัน");
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(searches, 3600);
    EXPECT_TRUE(tab.messages.Entries().empty());
    EXPECT_GT(filled, 3600 * 5);
}

}  // namespace
}  // namespace omenary::coin
