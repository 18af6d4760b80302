// Filling the marriage report page from the working values of a calculation, and the calculate
// button's whole run: calculation, fill and output.
#pragma once

#include <string>

#include "core/marriage/marriage_values.h"
#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/platform/pictures.h"
#include "core/report/calculation_view.h"
#include "core/report/page.h"

namespace omenary::marriage {

// The pictures of the page's cells: "B7.BMP" for a branch, "O3.BMP" for a stem.
std::string BranchCellPicture(const std::string& code);
std::string StemCellPicture(const std::string& code);

// Sets every variable element of the page. Throws report::PictureNotLoaded when a picture cannot be
// loaded; the page keeps what was set up to then.
void FillMarriagePage(report::Page& page, const MarriageValues& values, const platform::Date& today,
                      const platform::PictureFiles& pictures);

// `ButtonPrintMarryOmenaryClick`: fill, then preview or print by `CheckBoxPagePreview2`. False when a
// picture stopped the fill (its message shown, nothing output).
bool ButtonPrintMarryOmenaryClick(const MarriageValues& values, report::Page& page,
                                  const platform::Date& today, const platform::PictureFiles& pictures,
                                  platform::Messages& messages, report::CalculationView& view);

// `ButtonCalcOmenaryMarryClick`: the calculation, then the print button's run. The working values
// are stored even when the fill fails.
bool ButtonCalcOmenaryMarryClick(MarriageValues& values, report::Page& page, const platform::Date& today,
                                 const platform::PictureFiles& pictures, platform::Messages& messages,
                                 report::CalculationView& view);

}  // namespace omenary::marriage
