// A coin tab for the tests: its values, recorded messages, a view that counts the hourglass and the
// outputs, and calendar lines written as the data files write them.
#pragma once

#include <string>
#include <vector>

#include "core/calendar/records.h"
#include "core/coin/coin_values.h"
#include "core/coin/search.h"
#include "core/common/text.h"
#include "core/platform/messages.h"
#include "tests/fake_pictures.h"

namespace omenary::coin {

// One day of a calendar data file with the day's stem and branch (the other fields as generated).
inline std::string DayLine(int beYear, int month, int day, int stem, int branch) {
    return calendar::MakeDateKey(beYear, month, day) + " 4701090301" + TwoDigits(stem) + TwoDigits(branch) +
           "     ";
}

inline TextLines Lines(const std::vector<std::string>& lines) {
    std::string bytes = "Year(4) Month(2) Date(2) Years(2) header\r\n";
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return TextLines(std::move(bytes));
}

class CountingView final : public report::CalculationView {
  public:
    void ShowHourglass() override { ++hourglasses; }
    void RestoreCursor() override { ++restores; }
    void Output(const report::Page& page, bool preview) override {
        outputs.push_back(preview ? "preview" : "print");
        lastLine2 = page.Caption("QRLabelLine2");
    }
    int hourglasses = 0;
    int restores = 0;
    std::vector<std::string> outputs;
    std::string lastLine2;
};

struct CoinTab {
    CoinValues values;
    platform::RecordedMessages messages;
    CountingView view;
    omenary::testing::FakePictures pictures;

    // Without an index the search walks the lines already loaded.
    SearchContext Context(const calendar::CalendarIndex* index = nullptr,
                          std::filesystem::path working = {}) {
        return {index, std::move(working), messages, view};
    }
    // A tab after the first start, the start date given as the lists show it.
    static CoinTab Started(const std::string& year, const std::string& month, const std::string& day) {
        CoinTab tab;
        tab.values.ComboBoxYY = year;
        tab.values.ComboBoxMM = month;
        tab.values.ComboBoxDD = day;
        return tab;
    }
};

}  // namespace omenary::coin
