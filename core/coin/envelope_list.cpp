#include "core/coin/envelope_list.h"

#include <map>
#include <string>
#include <utility>

#include "core/coin/envelope_fill.h"
#include "core/coin/envelope_page.h"
#include "core/coin/tab_handlers.h"

namespace omenary::coin {

std::optional<std::vector<report::Page>> ListEnvelopes(const CoinValues& tab,
                                                       const std::vector<GiverRow>& rows,
                                                       const platform::PictureFiles& pictures,
                                                       const SearchContext& search,
                                                       const report::TextMetrics& metrics) {
    CoinValues values = tab;
    std::map<std::pair<int, int>, report::Page> envelopes;
    for (const GiverRow& row : rows) {
        if (envelopes.contains({row.stem, row.branch})) continue;
        if (SpeedButtonOnClick(values, row.stem, pictures, search) == Click::PictureMissing ||
            SpeedButtonBelowClick(values, row.branch, pictures, search) == Click::PictureMissing ||
            !values.ButtonPrintOmenaryCoin)
            return std::nullopt;
        report::Page page = EnvelopePage();
        if (!FillEnvelopeOrReport(page, values, pictures, search.messages)) return std::nullopt;
        envelopes.emplace(std::pair{row.stem, row.branch}, std::move(page));
    }
    std::vector<report::Page> pages;
    pages.reserve(rows.size());
    for (const GiverRow& row : rows) {
        pages.push_back(envelopes.at({row.stem, row.branch}));
        AddRecipientName(pages.back(), row.name, metrics);
    }
    return pages;
}

std::optional<std::vector<report::Page>> EnvelopeListClick(std::string_view bytes, const CoinValues& tab,
                                                           const platform::PictureFiles& pictures,
                                                           const SearchContext& search,
                                                           const report::TextMetrics& metrics) {
    if (search.index == nullptr) return std::nullopt;
    const GiverList list = ReadGiverList(
        bytes, CalendarYearPillars(*search.index, search.workingDirectory, search.mapCalendar), &metrics);
    if (!list.problems.empty()) {
        // A screen holds a score of lines; the rest are counted.
        constexpr std::size_t kShown = 20;
        std::string text = "รายชื่อนี้มีแถวที่ใช้ไม่ได้ จึงไม่พิมพ์ซองใด:";
        for (std::size_t i = 0; i < list.problems.size() && i < kShown; ++i)
            text += "\n" + ProblemText(list.problems[i]);
        if (list.problems.size() > kShown)
            text += "\n... และอีก " + std::to_string(list.problems.size() - kShown) + " แถว";
        search.messages.Show(platform::MessageIcon::Error, text);
        return std::nullopt;
    }
    if (!search.messages.Confirm("รายชื่อนี้ได้ซอง " + std::to_string(list.rows.size()) + " ซอง พิมพ์หรือไม่"))
        return std::nullopt;
    return ListEnvelopes(tab, list.rows, pictures, search, metrics);
}

}  // namespace omenary::coin
