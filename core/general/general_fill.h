// Filling the general report page from the working values of a calculation, and the calculate
// button's whole run: calculation, fill and output.
#pragma once

#include <string>

#include "core/general/general_values.h"
#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/platform/pictures.h"
#include "core/report/calculation_view.h"
#include "core/report/page.h"

namespace omenary::general {

// The compass picture of a degree: the first range of the ordered table that holds it.
std::string CompassPictureOfDegree(std::string_view degree);

// Steps 1 to 17 of the fill, in their order. Throws report::PictureNotLoaded when a picture cannot
// be loaded; the page keeps what was set up to then. Writes `Labelwarning5`.
void FillGeneralPage(report::Page& page, GeneralValues& values, const platform::Date& today,
                     const platform::PictureFiles& pictures);

// `ButtoncalculateomenaryClick`: calculation, fill, output. False when a picture stopped the fill
// (its message shown, nothing output). The person lists get their texts back in either case.
bool ButtoncalculateomenaryClick(GeneralValues& values, report::Page& page, const platform::Date& today,
                                 const platform::PictureFiles& pictures, platform::Messages& messages,
                                 report::CalculationView& view);

}  // namespace omenary::general
