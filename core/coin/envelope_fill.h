// Filling the envelope from the coin tab's working values, and the print button's whole run:
// placement, fill and output.
#pragma once

#include <string>

#include "core/coin/coin_values.h"
#include "core/platform/messages.h"
#include "core/platform/pictures.h"
#include "core/report/calculation_view.h"
#include "core/report/page.h"

namespace omenary::coin {

inline constexpr std::string_view kReceiverLine =
    "1. ชื่อผู้รับ ................................................................. รับเหรียญ ";
inline constexpr std::string_view kRiteOpening =
    "4. ผู้มอบตั้งนะโม 3 จบ และกล่าวว่า \" ด้วยอำนาจคุณพระพุทธ คุณพระธรรม คุณพระสงฆ์  ข้าพเจ้า";
inline constexpr std::string_view kReceiverAnswer =
    "5. ผู้รับมอบกล่าวว่า \" สาธุ \" 3 ครั้ง และมอบส้ม 4 ลูก พร้อมซองแดงให้ผู้มอบ และควรทำบุญสังฆทาน";
inline constexpr std::string_view kKeepingLine =
    "6. ให้พกเหรียญไว้จนถึง 4 กุมภาพันธ์ พ.ศ. ........................ จึงเอาออก  หรือ พกตลอดชีวิต";

// "2. ผู้มอบเกิดปีชวด อายุ 21 ปี  เกิดระหว่าง 6 ก.พ. พ.ศ. 2527 ถึง 1 ก.พ. พ.ศ. ถัดไป"
std::string GiverLine(const CoinValues& values);
// "    เกิดปี ชวด ๆๆๆ (1 นาที) ขอมอบเหรียญนี้ ..."
std::string RiteLine(const CoinValues& values);

// Steps 1 to 5 of the print: placement, fixed line, the four pictures, the composed lines and the
// six slots as they stand. Throws report::PictureNotLoaded when a picture cannot be loaded; the page
// keeps what was set up to then.
void FillEnvelopePage(report::Page& page, const CoinValues& values, const platform::PictureFiles& pictures);

// The design's pictures loaded and the page filled; false when a picture stopped it (its message
// shown, the page as far as it got).
bool FillEnvelopeOrReport(report::Page& page, const CoinValues& values,
                          const platform::PictureFiles& pictures, platform::Messages& messages);

// `ButtonPrintOmenaryCoinClick`: fill and output (preview when `CheckBoxPagePreview3` is ticked).
// False when a picture stopped the fill (its message shown, nothing output).
bool ButtonPrintOmenaryCoinClick(const CoinValues& values, report::Page& page,
                                 const platform::PictureFiles& pictures, platform::Messages& messages,
                                 report::CalculationView& view);

}  // namespace omenary::coin
