// The working values of the coin omenary's tab: the giver's pair and what it gives, the start date,
// the six date and time slots, the calendar lines the search walks, and the envelope options. The
// window shows them; the handlers in tab_handlers.h change them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/coin/page_options.h"
#include "core/common/text_lines.h"

namespace omenary::coin {

inline constexpr int kSlotCount = 6;
// Slots 1 to 4 take a two-hour period, slots 5 and 6 a whole day.
inline constexpr int kTimedSlots = 4;

inline constexpr std::string_view kNoStem = "ราศีบน";
inline constexpr std::string_view kNoBranch = "ราศีล่าง";
// What a slot shows before any search and after a rejected pair.
inline constexpr std::string_view kDateSlotInitial = "วันที่";
inline constexpr std::string_view kTimeSlotInitial = "เวลา";
inline constexpr std::string_view kWholeDay = "ทั้งวัน";
inline constexpr std::string_view kNoCalendarLoaded = "LabelCurrentDataCalendar";

struct CoinValues {
    CoinValues();

    // The giver's pair as two digits ("01"); the initial texts mean nothing is chosen yet.
    std::string LabelRasibon = std::string(kNoStem);
    std::string LabelRasiLang = std::string(kNoBranch);
    std::string LabelCoinDetail1 = std::string(10, ' ');  // Thai name of the giver's branch
    std::string LabelCoinDetail2 = std::string(10, ' ');  // birth year (BE)
    std::string LabelCoinDetail3 = std::string(5, ' ');   // age, the birth year counting as 1

    // The picture files the tab shows for the chosen stem and branch; empty until one is chosen.
    std::string ImageRasibon;
    std::string ImageNRasibon;
    std::string ImageRasilang;
    std::string ImageNRasilang;
    // The radio groups: the stem and branch button that is down, 0 for none.
    int SpeedButtonOn = 0;
    int SpeedButtonBelow = 0;

    // Enabled states of the hidden search button and the print button.
    bool ButtonCalOmenaryCoin = false;
    bool ButtonPrintOmenaryCoin = false;

    // The start date as the three lists show it.
    std::string ComboBoxDD = "01";
    std::string ComboBoxMM = "01 = มกราคม";
    std::string ComboBoxYY;

    // The six results, slot 1 first.
    std::array<std::string, kSlotCount> LabelOmenaryCoin;
    std::array<std::string, kSlotCount> LabelOmenaryTimeCoin;

    // Scratch values of the last hour the search examined.
    std::string LabelRasioneON = "ราศีบนวัน";
    std::string LabelRasioneBELOW = "ราศีล่างวัน";
    std::string LabelRasiwayraON = "ราศีบนเวลา";
    std::string LabelRasiwayraBELOW = "ราศีล่างเวลา";

    // The calendar data file now loaded and its path; kept between searches so that a search in the
    // same year range never reads the file again.
    TextLines listboxcalendar;
    std::string LabelCurrentDataCalendar = std::string(kNoCalendarLoaded);

    // The envelope options and the page-setup picture they stand for.
    PageOptions pageOptions;
    bool CheckBoxPagePreview3 = true;
};

// "01" ... "31", and "01 = มกราคม" ... "12 = ธันวาคม".
std::vector<std::string> DayItems();
std::vector<std::string> MonthItems();

// Every working value of the tab under its own name, in a fixed order (for the CLI and the tests).
void ForEachValue(const CoinValues& values,
                  const std::function<void(std::string_view, const std::string&)>& visit);

}  // namespace omenary::coin
