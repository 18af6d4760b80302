// The event handling of the marriage omenary's tab: the groom's and the bride's year lists and the
// four parent lists.
#pragma once

#include <string>
#include <vector>

#include "core/common/leave.h"
#include "core/marriage/marriage_values.h"
#include "core/platform/messages.h"
#include "core/platform/pictures.h"

namespace omenary::marriage {

// The glyph pictures of a year's stem and branch ("OS7.bmp", "BS1.bmp").
std::string StemGlyphPicture(const std::string& stemCode);
std::string BranchGlyphPicture(const std::string& branchCode);

// The birth-year update, without validation (a click on an item of the list, and the first start):
// the person's stem and branch codes from the list's text, then the two glyph pictures with their
// hints, then the branch's name. A glyph picture that cannot be loaded is shown as an error and ends
// the update there (the codes stay set); false then.
bool BirthYearUpdate(MarriageValues& values, Person person, const platform::PictureFiles& pictures,
                     platform::Messages& messages);

// Leaving a year list (ComboBoxYearBoyExit, ComboBoxYearGirlExit): a text that is not an item of the
// year lists is refused; so is, with a message, an item of a year without codes (and so without
// glyphs); any other item runs the birth-year update.
Leave ComboBoxYearExit(MarriageValues& values, Person person, const std::vector<std::string>& yearItems,
                       const platform::PictureFiles& pictures, platform::Messages& messages);

// Leaving a parent list (ComboBoxPorYearBoyExit ... ComboBoxMaYearGirlExit): the empty item gives
// the parent's code "0", "05 = มะโรง" gives "5"; any other text is refused.
Leave ComboBoxParentExit(MarriageValues& values, Parent parent);

}  // namespace omenary::marriage
