// House directions in degrees: the compass sector (one branch code, two in a boundary zone), the
// element sector, the 3600 degree texts a user may enter, stepping a degree, and the status of a
// direction against the year of the work.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/astro/stars.h"

namespace omenary::astro {

// Branch codes of a compass sector; the second is empty inside a sector.
struct BranchCodes {
    std::string Label_zodiacbelow1;
    std::string Label_zodiacbelow2;
};

// The element sector: the branch code of the element's first stage and the element's name.
struct UniversalElement {
    std::string LabelUniversalElement;
    std::string LabelRasriUniversalElement;
};

// A degree in no row (below 0, above 360, between two rows such as 14.45, not a number) gives empty
// codes. 360 counts as north.
BranchCodes DegreeToBranchCodes(std::string_view degree);
UniversalElement UniversalElementOfDegree(std::string_view degree);

// The 3600 texts of k / 10, k = 0 ... 3599: "0", "0.1", ... "359.9".
inline constexpr int kAllowedDegreeCount = 3600;
const std::array<std::string, kAllowedDegreeCount>& AllowedDegreeTexts();
bool IsAllowedDegree(std::string_view text);

// The step sizes of the plus and minus buttons, in the order each click moves through them.
inline constexpr std::array<std::string_view, 4> kStepSizes = {"45", "90", "180", "1"};
inline constexpr std::string_view kInitialStepSize = "45";
std::string NextStepSize(std::string_view step);

// Value +/- step, wrapped once into 0 ... 360; empty counts as "0". Empty result when the value or
// the step is not a number.
std::optional<std::string> StepDegreeUp(std::string_view value, std::string_view step);
std::optional<std::string> StepDegreeDown(std::string_view value, std::string_view step);

inline constexpr std::string_view kStatusBroken = "เป็นทิศแตกสลาย";
inline constexpr std::string_view kStatusDemon = "เป็นทิศอสูร";
inline constexpr std::string_view kStatusAlsoDemon = ", อสูร";
inline constexpr std::string_view kDeclining = "เป็นทิศถดถอย";

// What judging one direction gives: its sector codes, the first of which is the one judged, the
// status text and the declining flag.
struct AspectEvaluation {
    BranchCodes codes;
    std::string status;
    std::string declining;
};

AspectEvaluation AspectStatus(std::string_view acceptedDegree, const YearOfWork& year);

}  // namespace omenary::astro
