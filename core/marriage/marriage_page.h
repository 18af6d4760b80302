// The marriage report page (FormPrintMarryOmenary's QuickRepMarryOmenary) as data: every element with
// its name, kind, position, font and fixed content, before any fill.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "core/report/page.h"

namespace omenary::marriage {

inline constexpr int kMarriageBandWidth = 718;
inline constexpr int kMarriageBandHeight = 1047;

// A glyph cell: a 17 × 16 picture slot and the "/code" text 24 units to its right.
struct GlyphCell {
    std::string_view picture;
    std::string_view text;
    int pictureX;
    int pictureY;
    int textX;
    int textY;
};

// Every glyph cell of the persons table, the good-month box and the month rows.
std::span<const GlyphCell> GlyphCells();

// The cell of the page whose picture slot has this name.
const GlyphCell& CellOf(std::string_view pictureName);

// The four columns of the usable-branch grid and the part of their element names that names them.
enum class UsableColumn { Hour, Day, Month, Year };
inline constexpr std::array<std::string_view, 4> kUsableColumnNames = {"raseeyam", "raseeone", "raseedeang",
                                                                       "raseepee"};
// The grid shows ten slots of each list.
inline constexpr int kUsableSlotsShown = 10;

// The cell of slot 1 ... 10 of a column ("QRImageraseeyam3", "QRLabelraseeyam3").
struct UsableCellNames {
    std::string picture;
    std::string text;
};
UsableCellNames UsableCell(UsableColumn column, int slot);

// The virtue table's fixed glyphs, twelve months from ขาล to ฉลู: the month's branch, its เทียงเต็ก
// and its ง่วยเต็ก, each a stem or a branch.
struct VirtueGlyph {
    bool stem;
    int code;
};
inline constexpr std::array<int, 12> kVirtueMonths = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
inline constexpr std::array<VirtueGlyph, 12> kTiangTek = {
    {{true, 4},
     {false, 9},
     {true, 9},
     {true, 8},
     {false, 12},
     {true, 1},
     {true, 10},
     {false, 3},
     {true, 3},
     {true, 2},
     {false, 6},
     {true, 7}}
};
inline constexpr std::array<VirtueGlyph, 12> kNguayTek = {
    {{true, 3},
     {true, 1},
     {true, 9},
     {true, 7},
     {true, 3},
     {true, 1},
     {true, 9},
     {true, 7},
     {true, 3},
     {true, 1},
     {true, 9},
     {true, 7}}
};

// The bitmap stored with the page for a virtue glyph: "VS4.bmp" for stem 4, "VB9.bmp" for branch 9.
std::string VirtueGlyphPicture(VirtueGlyph glyph);

// The design's element names of the virtue table's pictures, column 0 ... 2, row 1 ... 12.
std::string VirtuePictureName(int column, int row);

// The bitmaps stored with the page besides the virtue glyphs.
inline constexpr std::string_view kLogoFile = "logo.bmp";
inline constexpr std::string_view kCheckMarkFile = "check.bmp";
inline constexpr std::string_view kCrossMarkFile = "cross.bmp";

report::Page MarriagePage();

}  // namespace omenary::marriage
