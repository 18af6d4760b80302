#include "core/marriage/tab_handlers.h"

#include "core/astro/cycles.h"
#include "core/common/text.h"
#include "core/report/page.h"

namespace omenary::marriage {

std::string StemGlyphPicture(const std::string& stemCode) {
    return "OS" + stemCode + ".bmp";
}
std::string BranchGlyphPicture(const std::string& branchCode) {
    return "BS" + branchCode + ".bmp";
}

bool BirthYearUpdate(MarriageValues& values, Person person, const platform::PictureFiles& pictures,
                     platform::Messages& messages) {
    const BirthYearFields f = FieldsOf(person);
    // Only four-digit texts reach here from the lists; anything else has no codes.
    const auto year = ParseDigits(values.*f.ComboBoxYear);
    const int y = year && *year < 100000 ? static_cast<int>(*year) : 0;
    values.*f.stem = astro::StemOfBEYear(y);
    values.*f.branch = astro::BranchOfBEYear(y);
    const auto shown = [&](std::string MarriageValues::*picture, std::string MarriageValues::*hint,
                           const std::string& file, const std::string& code) {
        if (!report::PictureLoadsOrReport(pictures, messages, file)) return false;
        values.*picture = file;
        values.*hint = code;
        return true;
    };
    if (!shown(f.stemPicture, f.stemHint, StemGlyphPicture(values.*f.stem), values.*f.stem)) return false;
    if (!shown(f.branchPicture, f.branchHint, BranchGlyphPicture(values.*f.branch), values.*f.branch))
        return false;
    values.*f.name = astro::BranchNameOfCode(values.*f.branch);
    return true;
}

Leave ComboBoxYearExit(MarriageValues& values, Person person, const std::vector<std::string>& yearItems,
                       const platform::PictureFiles& pictures, platform::Messages& messages) {
    const std::string& year = values.*FieldsOf(person).ComboBoxYear;
    if (!IsListItem(yearItems, year)) return Leave::Refused;
    if (platform::ShowRefusal(astro::YearWithoutCodesRefusal(year), messages)) return Leave::Refused;
    BirthYearUpdate(values, person, pictures, messages);
    return Leave::Accepted;
}

Leave ComboBoxParentExit(MarriageValues& values, Parent parent) {
    const ParentFields f = FieldsOf(parent);
    const std::string& text = values.*f.list;
    if (!IsListItem(ParentItems(), text)) return Leave::Refused;
    values.*f.code = text.empty() ? "0" : std::to_string(*ParseDigits(text.substr(0, 2)));
    return Leave::Accepted;
}

}  // namespace omenary::marriage
