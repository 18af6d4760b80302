#include "core/general/general_page.h"

#include <string>

namespace omenary::general {

namespace {

using report::Alignment;
using report::Box;
using report::Colour;
using report::Font;
using report::Page;
using report::ShapeKind;

Font Cordia(double points, bool bold = false, Colour colour = Colour::Black) {
    return Font{.points = points, .bold = bold, .colour = colour};
}

const Font kStarFont{.face = "Verdana", .points = 14, .bold = true, .colour = Colour::Fuchsia};
const Font kMarkFont = Cordia(12, true);

// Aspect table: per aspect, the y of its texts and pictures and the tops of its two branch rows.
struct AspectRows {
    int degreeY;
    int statusY;
    int tiltBackY;
    int tiltForwardY;
    int compassY;
    int rowTop[2];
};
constexpr AspectRows kAspectRows[] = {
    {126, 152, 126, 162, 166, {128, 166}},
    {202, 228, 202, 238, 242, {204, 240}},
    {276, 302, 276, 312, 316, {278, 316}},
};

// Branch-cell columns: x of picture, mark and number picture.
struct CellX {
    std::string_view prefix;
    int picture;
    int mark;
    int number;
};
constexpr CellX kCellColumns[] = {
    {            "", 272, 304, 308},
    {       "clash", 367, 399, 403},
    {   "evilmeans", 468, 500, 504},
    {  "evilmaster", 548, 580, 584},
    {"eviltreasury", 626, 658, 662},
};

const CellX& ColumnOf(CellColumn column) {
    return kCellColumns[static_cast<int>(column)];
}

// Person and year rows: their texts and the names of their cells (branch, clash, evil means).
struct NamedRow {
    std::string_view text;
    std::string_view initial;
    int textY;
    int top;
    BranchCellNames cells[3];
};
const NamedRow kNamedRows[] = {
    {    "QRLabelperson1",
     "[1]", 352,
     354, {{"QRImageperson1", "QRLabelcodeperson1", "QRImagepersonNumber1"},
 {"QRImageclashperson1", "QRLabelclashperson1", "QRImageclashpersonNumber1"},
 {"QRImageEvilReturntreasuryperson1", "QRLabelEvilReturntreasurycodeperson1",
 "QRImageEvilReturntreasurypersonnumber1"}} },
    {    "QRLabelperson2",
     "[2]", 390,
     392, {{"QRImageperson2", "QRLabelcodeperson2", "QRImagepersonNumber2"},
 {"QRImageclashperson2", "QRLabelclashperson2", "QRImageclashpersonNumber2"},
 {"QRImageEvilReturntreasuryperson2", "QRLabelEvilReturntreasurycodeperson2",
 "QRImageEvilReturntreasurypersonnumber2"}} },
    {"QRLabelYearProcess",
     "[ปีที่ดำเนินการ]", 426,
     428,                                         {{"QRImageyearprocess", "QRLabelcodeyearprocess", "QRImageyearprocessNumber"},
                                         {"QRImageclashyearprocess", "QRLabelclashyearprocess", "QRImageclashyearprocessNumber"},
                                         {}}},
};

// Year-star cells, fixed 22 × 25: element number, left, top, initial caption.
struct StarCell {
    int number;
    int x;
    int y;
    std::string_view initial;
};
constexpr StarCell kYearStarCells[] = {
    {9, 32, 744, "4"},
    {5, 54, 744, "9"},
    {7, 76, 744, "2"},
    {8, 32, 767, "3"},
    {1, 54, 767, "5"},
    {3, 76, 767, "7"},
    {4, 32, 788, "8"},
    {6, 54, 788, "1"},
    {2, 76, 788, "6"},
};

// Month-star rows: name suffix, y of the month name, y of the star.
struct MonthRow {
    std::string_view suffix;
    int nameY;
    int starY;
};
constexpr MonthRow kMonthRows[] = {
    {     "", 843, 840},
    {"next1", 866, 863},
    {"next2", 888, 886},
    {"next3", 911, 909},
};

struct ShapeRow {
    std::string_view name;
    ShapeKind kind;
    Box box;
    Colour pen;
};
constexpr ShapeRow kShapes[] = {
  // Aspect table ruling.
    {        "QRShape1", ShapeKind::HorizontalLine,  {130, 73, 587, 1},    Colour::Black},
    {        "QRShape2", ShapeKind::HorizontalLine,   {2, 114, 715, 1},    Colour::Black},
    {        "QRShape7", ShapeKind::HorizontalLine,   {3, 463, 714, 1},    Colour::Black},
    {       "QRShape10",   ShapeKind::VerticalLine,   {0, 114, 5, 350},    Colour::Black},
    {        "QRShape3",   ShapeKind::VerticalLine,  {130, 74, 1, 390},    Colour::Black},
    {        "QRShape4",   ShapeKind::VerticalLine,  {204, 74, 2, 389},    Colour::Black},
    {        "QRShape5",   ShapeKind::VerticalLine,  {344, 74, 2, 389},    Colour::Black},
    {       "QRShape14",   ShapeKind::VerticalLine,  {347, 74, 2, 389},    Colour::Black},
    {        "QRShape6",   ShapeKind::VerticalLine,  {438, 74, 2, 389},    Colour::Black},
    {        "QRShape9",   ShapeKind::VerticalLine,  {716, 74, 2, 389},    Colour::Black},
 // Universal element and the twelve stages.
    {       "QRShape13",         ShapeKind::Circle,  {81, 669, 40, 40},    Colour::Black},
    {        "QRShape8", ShapeKind::HorizontalLine, {159, 656, 534, 9},    Colour::Black},
    {       "QRShape11",   ShapeKind::VerticalLine,  {376, 661, 9, 55},    Colour::Black},
    {       "QRShape12",   ShapeKind::VerticalLine,  {606, 661, 9, 55},    Colour::Black},
 // Year-star grid, month-star box, noble-branch box, footer.
    {       "QRShape16",      ShapeKind::Rectangle,  {32, 745, 66, 66}, Colour::DarkGray},
    {"QRShapeyearstar1",   ShapeKind::LeftAndRight,  {54, 745, 23, 66}, Colour::DarkGray},
    {"QRShapeyearstar2",   ShapeKind::TopAndBottom,  {32, 766, 66, 23}, Colour::DarkGray},
    {       "QRShape17",      ShapeKind::Rectangle,  {32, 840, 66, 93}, Colour::DarkGray},
    {       "QRShape19", ShapeKind::HorizontalLine,   {32, 864, 66, 1}, Colour::DarkGray},
    {       "QRShape20", ShapeKind::HorizontalLine,   {32, 887, 66, 1}, Colour::DarkGray},
    {       "QRShape21", ShapeKind::HorizontalLine,   {32, 910, 66, 1}, Colour::DarkGray},
    {       "QRShape18",      ShapeKind::Rectangle,  {32, 964, 66, 22}, Colour::DarkGray},
    {       "QRShape15", ShapeKind::HorizontalLine,  {2, 1017, 715, 7}, Colour::DarkGray},
};

// Autosize captions that no fill changes: name, left, top, caption, font, transparent.
struct FixedCaption {
    std::string_view name;
    int x;
    int y;
    std::string_view caption;
    Font font;
    bool transparent;
};
const FixedCaption kFixedCaptions[] = {
    { "QRLabel1", 203,  21, "ฤกษ์ยามระบบธาตุแท้ / ธาตุจักรวาล ระดับเบื้องต้น",  Cordia(22, true),         false},
    { "QRLabel2", 143,  85,                                                                                                                          "องศา",  Cordia(14, true),         false},
    { "QRLabel3", 269,  85,                                                                                                                          "ราศี",  Cordia(14, true),         false},
    { "QRLabel4", 379,  85,                                                                                                                          "ปะทะ",  Cordia(14, true),         false},
    { "QRLabel5", 545,  85,                                                                                                     "ราศีห้ามใช้",  Cordia(14, true),         false},
    { "QRLabel6",  15, 125,                                                                                                     "ทิศหลังบ้าน", Cordia(14), false              },
    { "QRLabel7",  15, 201,                                                                                                           "ทิศประธาน", Cordia(14), false              },
    { "QRLabel8",  15, 275,                                                                                                     "ทิศกระทำการ", Cordia(14), false              },
    { "QRLabel9",  15, 351,                                                                                            "ปีเกิดเจ้าบ้าน", Cordia(14), false              },
    {"QRLabel10",  15, 425,                                                                                            "ปีที่ดำเนินการ", Cordia(14), false              },
    {"QRLabel12",  32, 480,                                                                                            "ราศีที่ห้ามใช้",  Cordia(14,  true,  Colour::Red), false},
    {"QRLabel11",  32, 553,                                                                                               "ราศีที่ใช้ได้",  Cordia(14,  true, Colour::Blue), false},
    {"QRLabel17",  32, 638,                                                                                         "ธาตุจักรวาลเป็น",  Cordia(14, true),          true},
    {"QRLabel14", 164, 639,                                                                                                              "เชี่ยงแซ", Cordia(12), false              },
    {"QRLabel15", 394, 639,                                                                                                                             "ซวย", Cordia(12), false              },
    {"QRLabel16", 624, 639,                                                                                                                                "ทอ", Cordia(12), false              },
};

void AddBranchCell(Page& page, const BranchCellNames& names, const CellX& x, int top) {
    page.AddPicture(names.picture, {x.picture, top, 16, 17}, true);
    page.AddFixedText(names.mark, {x.mark, top, 10, 34}, "[/]", kMarkFont, Alignment::Left, true);
    page.AddPicture(names.number, {x.number, top - 1, 17, 17}, false);
}

// A branch-list slot: picture, number picture two units right and 22 lower, mark two units left.
void AddListSlot(Page& page, std::string_view list, int i, int top) {
    const std::string n = std::to_string(i);
    const int x = SlotX(i);
    page.AddPicture("QRImage" + std::string(list) + n, {x, top, 16, 17}, true);
    page.AddPicture("QRImage" + std::string(list) + "number" + n, {x + 2, top + 22, 17, 17}, false);
    page.AddFixedText("QRLabelCode" + std::string(list) + n, {x - 2, top + 23, 10, 34}, "[/]", kMarkFont,
                      Alignment::Left, true);
}

}  // namespace

BranchCellNames AspectCell(int aspect, int row, CellColumn column) {
    const std::string a(kAspectNames.at(static_cast<std::size_t>(aspect)));
    const std::string k = std::to_string(row);
    const std::string prefix(ColumnOf(column).prefix);
    // Three number pictures of the back-of-home second row were named with a capital N.
    const bool capital = aspect == 0 && row == 2 && column <= CellColumn::EvilMeans;
    return {"QRImage" + prefix + a + k, "QRLabel" + prefix + "code" + a + k,
            "QRImage" + prefix + a + (capital ? "Number" : "number") + k};
}

BranchCellNames PersonCell(int person, CellColumn column) {
    return kNamedRows[person - 1].cells[static_cast<int>(column)];
}

BranchCellNames YearCell(CellColumn column) {
    return kNamedRows[2].cells[static_cast<int>(column)];
}

report::Page GeneralPage() {
    Page page(kGeneralBandWidth, kGeneralBandHeight);

    // Pictures first, texts over them (a stage star hides the mark beneath it), rules last so that no
    // opaque caption breaks them.
    page.AddPicture("QRImageLogo", {0, 0, 109, 90}, false, std::string(kLogoFile));
    for (int a = 0; a < 3; ++a) {
        const AspectRows& rows = kAspectRows[a];
        const std::string name(kAspectNames[static_cast<std::size_t>(a)]);
        page.AddText("QRLabel" + name, {143, rows.degreeY, 0, 0}, "[องศา]", Cordia(14));
        page.AddFixedText("QRLabel" + name + "status", {2, rows.statusY, 128, 23}, "Status",
                          Cordia(12, false, Colour::Red), Alignment::Centre, true);
        page.AddText("QRLabelPrev" + std::to_string(a + 1), {217, rows.tiltBackY, 0, 0}, "[เอียงถอย]",
                     Cordia(12));
        page.AddText("QRLabelBack" + std::to_string(a + 1), {217, rows.tiltForwardY, 0, 0}, "[เอียงหน้า]",
                     Cordia(12));
        page.AddPicture("QRImage" + name, {179, rows.compassY, 16, 17}, true);
        for (int row = 1; row <= 2; ++row)
            for (int c = 0; c < 5; ++c)
                AddBranchCell(page, AspectCell(a, row, static_cast<CellColumn>(c)), kCellColumns[c],
                              rows.rowTop[row - 1]);
    }
    for (const NamedRow& row : kNamedRows) {
        page.AddText(std::string(row.text), {143, row.textY, 0, 0}, std::string(row.initial), Cordia(14));
        for (int c = 0; c < 3; ++c)
            if (!row.cells[c].picture.empty()) AddBranchCell(page, row.cells[c], kCellColumns[c], row.top);
    }
    page.AddText("QRLabelperson1note", {548, 352, 0, 0}, "", Cordia(14));
    page.AddText("QRLabelperson1note2", {548, 384, 0, 0}, "", Cordia(14));

    for (int i = 1; i <= 12; ++i)
        AddListSlot(page, "Cannotuse", i, 480);
    for (int i = 1; i <= 12; ++i)
        page.AddText("QRLabelStar" + std::to_string(i),
                     {kStarMarkX[static_cast<std::size_t>(i - 1)], 542, 0, 0}, "*", kStarFont, true);
    for (int i = 1; i <= 12; ++i)
        AddListSlot(page, "Canuse", i, 551);
    page.AddText("QRLabelUseOmenary4Tid", {163, 553, 0, 0}, "QRLabelUseOmenary4Tid",
                 Cordia(14, true, Colour::Red), true);
    page.AddText("QRLabelTidTodToy", {12, 608, 0, 0}, "*** ทิศกระทำการเป็นทิศถดถอย",
                 Cordia(14, true, Colour::Red), true);

    page.AddPicture("QRImageUniversalElement", {32, 676, 26, 26}, false);
    page.AddFixedText("QRLabelUniversalElement", {74, 679, 54, 25}, "ธาตุ", Cordia(14, true, Colour::Blue),
                      Alignment::Centre, true);
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        page.AddPicture("QRImageCC" + n, {SlotX(i), 668, 16, 17}, true);
        page.AddPicture("QRImageCCyn" + n, {SlotX(i), 692, 17, 16}, true);
        page.AddText("QRLabelStarC" + n, {SlotX(i) + 1, 691, 0, 0}, "*", kStarFont);
    }

    page.AddFixedText("QRLabelnumberyearstar", {28, 723, 74, 23}, "ดาวปีจร", Cordia(12), Alignment::Centre,
                      true);
    for (const StarCell& cell : kYearStarCells)
        page.AddFixedText("QRLabelyearstar" + std::to_string(cell.number), {cell.x, cell.y, 22, 25},
                          std::string(cell.initial), Cordia(14, true), Alignment::Centre, true);
    page.AddText("QRLabelwarning5", {143, 728, 0, 0},
                 "*** ทิศกระทำการกระทบดาวเบญจภูติ ( ดาว 5 ) แก้ไขโดย ให้ราดน้ำ 5 ขันก่อนกระทบ ***",
                 Cordia(14, true, Colour::Red));

    page.AddFixedText("QRLabel18", {32, 818, 66, 23}, "ดาวเดือนจร", Cordia(12), Alignment::Centre, true);
    for (const MonthRow& row : kMonthRows) {
        const std::string current = "current" + std::string(row.suffix);
        page.AddText("QRLabelmonthnamestar" + current, {37, row.nameY, 0, 0}, "เดือน", Cordia(10), true);
        page.AddFixedText("QRLabelmonthstar" + current, {83, row.starY, 15, 23}, "ดาว", Cordia(12),
                          Alignment::Centre, true);
    }

    page.AddFixedText("QRLabel21", {32, 942, 66, 23}, "เทียงอิกกุ้ยนั้ง", Cordia(12, false, Colour::Blue),
                      Alignment::Centre, true);
    page.AddPicture("QRImagetangeigjueninglang1", {42, 967, 17, 16}, true);
    page.AddPicture("QRImagetangeigjueninglang2", {71, 967, 17, 16}, true);

    page.AddText("QRLabelcurrentdate", {11, 1001, 0, 0}, "", Cordia(12), true);
    page.AddFixedText("QRLabelcredit", {420, 1001, 288, 23}, std::string(report::kMakersCredit), Cordia(12),
                      Alignment::Right, true);
    page.AddFixedText("QRLabelcredit2", {2, 1024, 715, 23}, std::string(report::kMakersNote), Cordia(10),
                      Alignment::Centre, true);

    for (const FixedCaption& caption : kFixedCaptions)
        page.AddText(std::string(caption.name), {caption.x, caption.y, 0, 0}, std::string(caption.caption),
                     caption.font, caption.transparent);
    for (const ShapeRow& shape : kShapes)
        page.AddShape(std::string(shape.name), shape.box, shape.kind, shape.pen);
    return page;
}

}  // namespace omenary::general
