#include "core/coin/coin_values.h"

#include "core/astro/cycles.h"
#include "core/common/text.h"

namespace omenary::coin {

namespace {

std::string_view Ticked(bool ticked) {
    return ticked ? "True" : "False";
}

}  // namespace

CoinValues::CoinValues() {
    LabelOmenaryCoin.fill(std::string(kDateSlotInitial));
    LabelOmenaryTimeCoin.fill(std::string(kTimeSlotInitial));
}

std::vector<std::string> DayItems() {
    std::vector<std::string> items;
    for (int day = 1; day <= 31; ++day)
        items.push_back(TwoDigits(day));
    return items;
}

std::vector<std::string> MonthItems() {
    const auto items = astro::MonthListItems();
    return {items.begin(), items.end()};
}

void ForEachValue(const CoinValues& values,
                  const std::function<void(std::string_view, const std::string&)>& visit) {
    visit("LabelRasibon", values.LabelRasibon);
    visit("LabelRasiLang", values.LabelRasiLang);
    visit("LabelCoinDetail1", values.LabelCoinDetail1);
    visit("LabelCoinDetail2", values.LabelCoinDetail2);
    visit("LabelCoinDetail3", values.LabelCoinDetail3);
    visit("ImageRasibon", values.ImageRasibon);
    visit("ImageNRasibon", values.ImageNRasibon);
    visit("ImageRasilang", values.ImageRasilang);
    visit("ImageNRasilang", values.ImageNRasilang);
    visit("ButtonCalOmenaryCoin", std::string(Ticked(values.ButtonCalOmenaryCoin)));
    visit("ButtonPrintOmenaryCoin", std::string(Ticked(values.ButtonPrintOmenaryCoin)));
    visit("ComboBoxDD", values.ComboBoxDD);
    visit("ComboBoxMM", values.ComboBoxMM);
    visit("ComboBoxYY", values.ComboBoxYY);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        visit("LabelOmenaryCoin" + std::to_string(i + 1), values.LabelOmenaryCoin[i]);
        visit("LabelOmenaryTimeCoin" + std::to_string(i + 1), values.LabelOmenaryTimeCoin[i]);
    }
    visit("LabelRasioneON", values.LabelRasioneON);
    visit("LabelRasioneBELOW", values.LabelRasioneBELOW);
    visit("LabelRasiwayraON", values.LabelRasiwayraON);
    visit("LabelRasiwayraBELOW", values.LabelRasiwayraBELOW);
    visit("LabelCurrentDataCalendar", values.LabelCurrentDataCalendar);
    visit("CheckBoxLandscape", std::string(Ticked(values.pageOptions.CheckBoxLandscape)));
    visit("CheckBoxCenterOnPage", std::string(Ticked(values.pageOptions.CheckBoxCenterOnPage)));
    visit("ImageSetupPrinter", values.pageOptions.ImageSetupPrinter);
    visit("CheckBoxPagePreview3", std::string(Ticked(values.CheckBoxPagePreview3)));
}

}  // namespace omenary::coin
