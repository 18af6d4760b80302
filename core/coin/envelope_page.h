// The envelope (FormPrintOmenaryCoin's QuickRepPrintOmenaryCoin) as data: every element with its
// offset from the base point, which the two envelope options choose, so that the whole text block
// moves to where the envelope lies in the tray.
#pragma once

#include <string_view>

#include "core/coin/page_options.h"
#include "core/report/page.h"

namespace omenary::coin {

inline constexpr int kEnvelopeBandWidth = 718;
inline constexpr int kEnvelopeBandHeight = 295;

// The maker's emblem, a bitmap stored with the page.
inline constexpr std::string_view kEmblemFile = "emblem.bmp";

struct BasePoint {
    int L = 0;
    int T = 0;
    friend bool operator==(const BasePoint&, const BasePoint&) = default;
};

// (L, T) of the placement the options stand for; upright placements lie beyond the band's right edge.
BasePoint EnvelopeBasePoint(const PageOptions& options);

// The page as designed: every element at its offset from the base point of the first placement.
report::Page EnvelopePage();

// Moves every element to its offset from the base point.
void PlaceEnvelope(report::Page& page, BasePoint base);

}  // namespace omenary::coin
