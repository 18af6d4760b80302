// The envelopes of a checked giver list, for the window: every page in memory for its preview.
#pragma once

#include <optional>
#include <vector>

#include "core/coin/coin_values.h"
#include "core/coin/giver_list.h"
#include "core/coin/search.h"
#include "core/platform/messages.h"
#include "core/platform/pictures.h"
#include "core/report/page.h"

namespace omenary::coin {

// With the coin tab's start date and options as they stand: the stem and branch buttons and the
// print's fill run on a copy of the tab's values, once per pair, so the tab is left as it was; each
// giver's page is the pair's envelope with the name. Nothing when a picture or the calendar stopped
// a fill (its message shown through the search's messages).
std::optional<std::vector<report::Page>> ListEnvelopes(const CoinValues& tab,
                                                       const std::vector<GiverRow>& rows,
                                                       const platform::PictureFiles& pictures,
                                                       const SearchContext& search,
                                                       const report::TextMetrics& metrics);

// The Extra tab's list button once its file dialog gave the file's bytes: the list is read and
// checked (a birth date through the calendar the search uses), its bad rows shown, or the number of
// envelopes it gives asked about; on yes, the pages. Nothing when there is nothing to output.
std::optional<std::vector<report::Page>> EnvelopeListClick(std::string_view bytes, const CoinValues& tab,
                                                           const platform::PictureFiles& pictures,
                                                           const SearchContext& search,
                                                           const report::TextMetrics& metrics);

}  // namespace omenary::coin
