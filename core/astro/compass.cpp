#include "core/astro/compass.h"

#include <algorithm>

#include "core/astro/codes.h"
#include "core/astro/cycles.h"
#include "core/common/text.h"

namespace omenary::astro {

namespace {

// Bounds in whole tenths of a degree, both inclusive.
struct SectorRow {
    int low;
    int high;
    int first;
    int second;  // 0: no second code
};

// 二十四山 reduced to the twelve branch sectors, with the boundary zones between them; the zones
// 5/6 and 11/12 are eight degrees wide.
constexpr std::array<SectorRow, 25> kCompassSectors = {
    {
     {3456, 3600, 1, 0}, {0, 144, 1, 0}, {145, 155, 1, 2}, {156, 444, 2, 0},
     {445, 455, 2, 3}, {456, 744, 3, 0}, {745, 755, 3, 4}, {756, 1044, 4, 0},
     {1045, 1055, 4, 5}, {1056, 1344, 5, 0}, {1345, 1425, 5, 6}, {1426, 1644, 6, 0},
     {1645, 1655, 6, 7}, {1656, 1944, 7, 0}, {1945, 1955, 7, 8}, {1956, 2244, 8, 0},
     {2245, 2255, 8, 9}, {2256, 2544, 9, 0}, {2545, 2555, 9, 10}, {2556, 2844, 10, 0},
     {2845, 2855, 10, 11}, {2856, 3144, 11, 0}, {3145, 3225, 11, 12}, {3226, 3444, 12, 0},
     {3445, 3455, 12, 1},
     }
};

struct ElementRow {
    int low;
    int high;
    int firstStage;
    int element;  // index into kElementNames
};

// The element sectors (ดิน ไฟ ไม้ น้ำ ทอง = 0 ... 4); earth around north is split at 352.5 / 352.6.
constexpr std::array<ElementRow, 14> kElementSectors = {
    {
     {3526, 3600, 9, 0},
     {0, 75, 9, 0},
     {76, 375, 3, 1},
     {376, 675, 12, 2},
     {676, 975, 9, 3},
     {976, 1275, 6, 4},
     {1276, 1575, 9, 0},
     {1576, 1875, 3, 1},
     {1876, 2175, 12, 2},
     {2176, 2475, 9, 3},
     {2476, 2775, 6, 4},
     {2776, 3075, 9, 0},
     {3076, 3375, 3, 1},
     {3376, 3525, 9, 0},
     }
};

// The first row holding the degree. Tenths divided by ten give the same double as the decimal text
// of that bound, so a degree typed in tenths compares exactly.
template <typename Row, std::size_t N>
const Row* RowOf(const std::array<Row, N>& rows, std::string_view degree) {
    const auto x = ParseDecimal(degree);
    if (!x) return nullptr;
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [&](const Row& r) { return *x >= r.low / 10.0 && *x <= r.high / 10.0; });
    return row == rows.end() ? nullptr : &*row;
}

bool Between(double x, double low, double high) {
    return x >= low && x <= high;
}

std::optional<std::string> StepDegree(std::string_view value, std::string_view step, int sign) {
    if (value.empty()) value = "0";
    const auto v = ParseTenths(value);
    const auto s = ParseTenths(step);
    if (v && s) {
        long long r = *v + sign * *s;
        if (sign > 0 && r >= 3600) r -= 3600;
        if (sign < 0 && r < 0) r += 3600;
        return FormatTenths(r);
    }
    // A value with more decimals than the program writes: the same rule in plain arithmetic.
    const auto dv = ParseDecimal(value);
    const auto ds = ParseDecimal(step);
    if (!dv || !ds) return std::nullopt;
    double r = *dv + sign * *ds;
    if (sign > 0 && r >= 360) r -= 360;
    if (sign < 0 && r < 0) r += 360;
    return FormatNumber(r);
}

}  // namespace

BranchCodes DegreeToBranchCodes(std::string_view degree) {
    const SectorRow* row = RowOf(kCompassSectors, degree);
    if (row == nullptr) return {};
    return {std::to_string(row->first), row->second == 0 ? std::string{} : std::to_string(row->second)};
}

UniversalElement UniversalElementOfDegree(std::string_view degree) {
    const ElementRow* row = RowOf(kElementSectors, degree);
    if (row == nullptr) return {};
    return {std::to_string(row->firstStage), TextAt(kElementNames, row->element + 1)};
}

const std::array<std::string, kAllowedDegreeCount>& AllowedDegreeTexts() {
    static const auto texts = [] {
        std::array<std::string, kAllowedDegreeCount> all;
        for (int k = 0; k < kAllowedDegreeCount; ++k)
            all[static_cast<std::size_t>(k)] = FormatTenths(k);
        return all;
    }();
    return texts;
}

bool IsAllowedDegree(std::string_view text) {
    // Exactly the texts FormatTenths writes for 0 ... 3599: no sign, no leading zero, no trailing
    // zero, at most one decimal.
    const auto tenths = ParseTenths(text);
    return tenths && *tenths >= 0 && *tenths < kAllowedDegreeCount && FormatTenths(*tenths) == text;
}

std::string NextStepSize(std::string_view step) {
    const auto at = std::find(kStepSizes.begin(), kStepSizes.end(), step);
    if (at == kStepSizes.end() || at + 1 == kStepSizes.end()) return std::string(kStepSizes.front());
    return std::string(*(at + 1));
}

std::optional<std::string> StepDegreeUp(std::string_view value, std::string_view step) {
    return StepDegree(value, step, +1);
}

std::optional<std::string> StepDegreeDown(std::string_view value, std::string_view step) {
    return StepDegree(value, step, -1);
}

AspectEvaluation AspectStatus(std::string_view acceptedDegree, const YearOfWork& year) {
    AspectEvaluation result;
    result.codes = DegreeToBranchCodes(acceptedDegree);
    const std::string& first = result.codes.Label_zodiacbelow1;
    // Whole-text comparisons; an empty code never matches.
    const auto same = [&](const std::string& code) { return !first.empty() && first == code; };
    if (same(year.Labelchongyear)) result.status = kStatusBroken;
    if (same(year.Labelevilyeartreasury) || same(year.Labelevilyearmaster) || same(year.Labelevilyearmeans))
        result.status =
            result.status.empty() ? std::string(kStatusDemon) : result.status + std::string(kStatusAlsoDemon);

    const auto d = ParseDecimal(acceptedDegree);
    const auto t = ParseDecimal(year.LabelTidTodToy);
    if (d && t) {
        const bool declining = year.LabelTidTodToy == "0" ? Between(*d, 0, 22.5) || Between(*d, 337.5, 360)
                                                          : Between(*d, *t - 22.5, *t + 22.5);
        if (declining) result.declining = kDeclining;
    }
    return result;
}

}  // namespace omenary::astro
