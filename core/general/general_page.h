// The general report page (FormPrintOmenary's QuickRepPrintOmenary) as data: every element with its
// name, kind, position, font and initial caption, before any fill.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/report/page.h"

namespace omenary::general {

inline constexpr int kGeneralBandWidth = 718;
inline constexpr int kGeneralBandHeight = 1047;

// The three aspects, in the order of their rows, as they are spelled inside element names.
inline constexpr std::array<std::string_view, 3> kAspectNames = {"aspectbackofhome", "aspectprominent",
                                                                 "aspectperform"};

// The columns of branch cells in the aspect table, as they are spelled inside element names.
enum class CellColumn { Branch, Clash, EvilMeans, EvilMaster, EvilTreasury };

// A branch cell: branch picture, mark text and number picture.
struct BranchCellNames {
    std::string picture;
    std::string mark;
    std::string number;
};

// Cell of aspect 0 ... 2 (kAspectNames), row 1 or 2.
BranchCellNames AspectCell(int aspect, int row, CellColumn column);
// Cell of person 1 or 2; the columns are Branch, Clash and EvilMeans (the evil return treasury).
BranchCellNames PersonCell(int person, CellColumn column);
// Cell of the year-of-the-work row; the columns are Branch and Clash.
BranchCellNames YearCell(CellColumn column);

// The x of usable and forbidden slot i (1 ... 12) and of the twelve-stage slot i.
constexpr int SlotX(int i) {
    return 164 + 46 * (i - 1);
}

// The star marks of the usable slots stand just left of and above each slot, not at one offset.
inline constexpr std::array<int, 12> kStarMarkX = {148, 195, 241, 287, 334, 381,
                                                   427, 473, 518, 564, 610, 655};

// The logo stored with the page and the maker's credit lines of the footer.
inline constexpr std::string_view kLogoFile = "logo.bmp";

report::Page GeneralPage();

}  // namespace omenary::general
