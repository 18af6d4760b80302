#include "core/marriage/marriage_page.h"

#include <algorithm>
#include <stdexcept>

namespace omenary::marriage {

namespace {

using report::Alignment;
using report::Box;
using report::Colour;
using report::Font;
using report::Page;
using report::ShapeKind;

Font Cordia(double points = 12, bool bold = false, Colour colour = Colour::Black) {
    return Font{.points = points, .bold = bold, .colour = colour};
}

constexpr GlyphCell kCells[] = {
  // Persons table: stem row, birth row, forbidden row.
    {         "QRImageRSBchild",          "QRLabelRSBchild", 227,  93, 251,  91},
    {              "QRImageRSB",               "QRLabelRSB", 291,  93, 315,  91},
    {         "QRImageRSLchild",          "QRLabelRSLchild", 227, 113, 251, 112},
    {              "QRImageRSL",               "QRLabelRSL", 291, 113, 315, 112},
    {     "QRImage_numnengkeng",      "QRLabel_numnengkeng", 386, 113, 410, 112},
    {      "QRImageRSLporchild",       "QRLabelRSLporchild", 479, 113, 502, 112},
    {       "QRImageRSLmachild",        "QRLabelRSLmachild", 542, 113, 566, 112},
    {           "QRImageRSLpor",            "QRLabelRSLpor", 605, 113, 628, 112},
    {            "QRImageRSLma",             "QRLabelRSLma", 668, 113, 692, 112},
    {    "QRImageRSLchildchong",     "QRLabelRSLchildchong", 227, 143, 251, 142},
    {         "QRImageRSLchong",          "QRLabelRSLchong", 291, 143, 315, 142},
    {"QRImage_numnengkengchong", "QRLabel_numnengkengchong", 386, 143, 410, 142},
    { "QRImageRSLporchildchong",  "QRLabelRSLporchildchong", 479, 143, 502, 142},
    {  "QRImageRSLmachildchong",   "QRLabelRSLmachildchong", 542, 143, 566, 142},
    {      "QRImageRSLporchong",       "QRLabelRSLporchong", 604, 143, 628, 142},
    {       "QRImageRSLmachong",        "QRLabelRSLmachong", 668, 143, 692, 142},
 // Good-month box.
    {       "QRImage_dornchok1",        "QRLabel_dornchok1", 479, 186, 503, 185},
    {       "QRImage_dornchok2",        "QRLabel_dornchok2", 543, 186, 567, 185},
    {       "QRImage_dornlarp1",        "QRLabel_dornlarp1", 479, 215, 503, 214},
    {       "QRImage_dornlarp2",        "QRLabel_dornlarp2", 543, 215, 567, 214},
 // Bad-month rows.
    {"QRImage_kordpormajorbol1", "QRLabel_kordpormajorbol1", 479, 269, 503, 270},
    {"QRImage_kordpormajorbol2", "QRLabel_kordpormajorbol2", 543, 269, 567, 270},
    {"QRImage_kordpormajorsol1", "QRLabel_kordpormajorsol1", 479, 298, 503, 299},
    {"QRImage_kordpormajorsol2", "QRLabel_kordpormajorsol2", 543, 298, 567, 299},
    {    "QRImage_asonejorbol1",     "QRLabel_asonejorbol1", 479, 328, 503, 329},
    {    "QRImage_asonejorbol2",     "QRLabel_asonejorbol2", 543, 328, 567, 329},
    {    "QRImage_asonejorsol1",     "QRLabel_asonejorsol1", 479, 358, 503, 359},
    {    "QRImage_asonejorsol2",     "QRLabel_asonejorsol2", 543, 358, 567, 359},
 // No-offspring hour and deserted-chamber month, broken months, ทิเซ้าซิ่ว months.
    {     "QRImage_yarmzingbud",      "QRLabel_yarmzingbud", 260, 395, 284, 396},
    {     "QRImage_dernhorrang",      "QRLabel_dernhorrang", 510, 395, 534, 396},
    {              "QRImagepnb",               "QRLabelpnb", 479, 425, 503, 426},
    {              "QRImagepns",               "QRLabelpns", 543, 425, 567, 426},
    {   "QRImagetisolsiljorbol",               "QRLabeltsb", 479, 456, 503, 457},
    {   "QRImagetisolsiljorsol",               "QRLabeltss", 543, 456, 567, 457},
};

// Picture tops of the grid's five rows; texts stand one unit lower.
constexpr std::array<int, 5> kGridRowTops = {485, 514, 544, 574, 604};
// Picture x of the odd slots of each column; even slots stand 64 units further right.
constexpr std::array<int, 4> kGridColumnX = {227, 353, 479, 605};

constexpr std::array<int, 12> kVirtueRowTops = {705, 723, 741, 760, 788, 807, 825, 843, 871, 890, 909, 928};
constexpr std::array<int, 3> kVirtueColumnX = {8, 40, 72};

struct ShapeRow {
    std::string_view name;
    ShapeKind kind;
    Box box;
    Colour pen;
    int penWidth;
};
constexpr ShapeRow kShapes[] = {
  // Persons table.
    { "QRShape3",      ShapeKind::Rectangle,  {213, 38, 127, 130},    Colour::Black, 1},
    { "QRShape8",      ShapeKind::Rectangle,  {339, 38, 126, 130},    Colour::Black, 1},
    { "QRShape9",      ShapeKind::Rectangle,  {464, 38, 127, 130},    Colour::Black, 1},
    {"QRShape10",      ShapeKind::Rectangle,  {590, 38, 128, 130},    Colour::Black, 1},
    {"QRShape17", ShapeKind::HorizontalLine,    {213, 85, 506, 1},    Colour::Black, 1},
    {"QRShape12", ShapeKind::HorizontalLine,   {213, 136, 506, 1},    Colour::Black, 1},
 // Good-month box and the four-column table.
    {"QRShape15",      ShapeKind::Rectangle,  {464, 179, 127, 58},    Colour::Black, 1},
    { "QRShape2",      ShapeKind::Rectangle, {213, 236, 127, 392},    Colour::Black, 1},
    {"QRShape16",      ShapeKind::Rectangle, {339, 236, 127, 392},    Colour::Black, 1},
    {"QRShape25",      ShapeKind::Rectangle, {464, 236, 127, 392},    Colour::Black, 1},
    { "QRShape6",      ShapeKind::Rectangle, {590, 236, 128, 392},    Colour::Black, 1},
    { "QRShape5",   ShapeKind::VerticalLine,   {339, 237, 1, 391},    Colour::Black, 1},
    { "QRShape7", ShapeKind::HorizontalLine,   {213, 262, 505, 1},    Colour::Black, 1},
    {"QRShape11", ShapeKind::HorizontalLine,   {213, 388, 505, 1},    Colour::Black, 1},
    {"QRShape14", ShapeKind::HorizontalLine,   {213, 479, 505, 1},    Colour::Black, 2},
 // Noble-branch box, virtue table, lonely box, footer.
    { "QRShape4",      ShapeKind::Rectangle,     {0, 585, 40, 43}, Colour::DarkGray, 1},
    {"QRShape24",      ShapeKind::Rectangle,    {39, 585, 58, 43}, Colour::DarkGray, 1},
    { "QRShape1",      ShapeKind::Rectangle,    {0, 645, 33, 306}, Colour::DarkGray, 1},
    {"QRShape18",      ShapeKind::Rectangle,   {32, 645, 33, 306}, Colour::DarkGray, 1},
    {"QRShape19",      ShapeKind::Rectangle,   {64, 645, 33, 306}, Colour::DarkGray, 1},
    {"QRShape22", ShapeKind::HorizontalLine,      {1, 700, 96, 1}, Colour::DarkGray, 1},
    {"QRShape20", ShapeKind::HorizontalLine,      {1, 782, 96, 1}, Colour::DarkGray, 1},
    {"QRShape21", ShapeKind::HorizontalLine,      {1, 865, 96, 1}, Colour::DarkGray, 1},
    {"QRShape26",      ShapeKind::Rectangle,   {621, 645, 97, 40}, Colour::DarkGray, 1},
    {"QRShape27",   ShapeKind::VerticalLine,    {669, 645, 1, 61}, Colour::DarkGray, 1},
    {"QRShape13",      ShapeKind::Rectangle,   {621, 684, 97, 22}, Colour::DarkGray, 1},
    {"QRShape28",      ShapeKind::Rectangle,   {621, 705, 97, 22}, Colour::DarkGray, 1},
    {"QRShape23", ShapeKind::HorizontalLine,    {2, 1017, 715, 7}, Colour::DarkGray, 1},
};

// Autosize captions that no fill changes.
struct Caption {
    std::string_view name;
    int x;
    int y;
    std::string_view caption;
    Font font;
};
// The formatter of this toolchain crashes aligning the Thai captions of the next two tables.
// clang-format off
const Caption kCaptions[] = {
  // Persons table.
    { "QRLabel3", 227,  62,                      "เจ้าบ่าว",                     Cordia()},
    { "QRLabel4", 291,  62,                       "เจ้าสาว",                     Cordia()},
    {"QRLabel28", 489,  62,                                "พ่อ",                     Cordia()},
    {"QRLabel29", 552,  62,                                "แม่",                     Cordia()},
    {"QRLabel30", 615,  62,                                "พ่อ",                     Cordia()},
    {"QRLabel27", 679,  62,                                "แม่",                     Cordia()},
    {"QRLabel26", 176, 113,                             "ปีเกิด",                     Cordia()},
    {"QRLabel22", 162, 141,                        "ราศีห้าม",                     Cordia()},
 // Good-month box, column headings, month rows.
    {"QRLabel13", 409, 185,                        "เดือนโชค", Cordia(12, false, Colour::Red)},
    { "QRLabel8", 409, 214,                        "เดือนลาภ", Cordia(12, false, Colour::Red)},
    {"QRLabel12", 267, 239,                                "ยาม",                     Cordia()},
    {"QRLabel16", 396, 239,                                "วัน",                     Cordia()},
    {"QRLabel17", 518, 239,                             "เดือน",                     Cordia()},
    {"QRLabel20", 652, 239,                                   "ปี",                     Cordia()},
    { "QRLabel5",  77, 269, "เดือนเคราะห์พ่อ แม่ เจ้าบ่าว",                     Cordia()},
    {"QRLabel18",  78, 298,  "เดือนเคราะห์พ่อ แม่ เจ้าสาว",                     Cordia()},
    { "QRLabel2", 123, 328,            "เดือนอสูร เจ้าบ่าว",                     Cordia()},
    {"QRLabel19", 124, 358,             "เดือนอสูร เจ้าสาว",                     Cordia()},
    {"QRLabel10",  78, 395,                      "ยามไร้บุตร",                     Cordia()},
    { "QRLabel9", 148, 395,                    "เดือนหอร้าง",                     Cordia()},
    { "QRLabel7",  63, 426,                        "พั้วง่วย",                     Cordia()},
    {"QRLabel46", 102, 426,                                  ":",                     Cordia()},
    {"QRLabel11", 121, 426,                      "เจ้าบ่าว",                     Cordia()},
    {"QRLabel31", 167, 426,                       "เจ้าสาว",                     Cordia()},
    {"QRLabel32",  63, 457,                     "ทิเซ้าซิ่ว",                     Cordia()},
    {"QRLabel47", 102, 457,                                  ":",                     Cordia()},
    {"QRLabel33", 121, 457,                      "เจ้าบ่าว",                     Cordia()},
    {"QRLabel34", 167, 457,                       "เจ้าสาว",                     Cordia()},
    {"QRLabel59",  92, 513,          "*** สรุป ราศีที่ใช้ได้", Cordia(14, true, Colour::Blue)},
};
// clang-format on

// Fixed-box captions: name, box, caption, font, alignment.
struct FixedCaption {
    std::string_view name;
    Box box;
    std::string_view caption;
    Font font;
    Alignment alignment;
};
// clang-format off
const FixedCaption kFixedCaptions[] = {
  // Persons table.
    {"QRLabel14",  {342, 42, 120, 27}, "น่ำนึ่งเก็ง", Cordia(), Alignment::Centre},
    {"QRLabel21",  {467, 42, 121, 23}, "ฝ่ายเจ้าบ่าว", Cordia(), Alignment::Centre},
    {"QRLabel15",  {593, 42, 122, 23}, "ฝ่ายเจ้าสาว", Cordia(), Alignment::Centre},
    { "QRLabel6",  {342, 62, 120, 23},           "ราศีลูก", Cordia(), Alignment::Centre},
 // Noble-branch box and virtue table headings.
    {"QRLabel35",    {3, 559, 91, 27}, "เทียงอิกกุ้ยนั้ง", Cordia(12, false, Colour::Red), Alignment::Centre},
    {"QRLabel41",   {35, 651, 27, 27},            "เทียง", Cordia(12, false, Colour::Red), Alignment::Centre},
    {"QRLabel42",   {35, 673, 27, 27},               "เต็ก", Cordia(12, false, Colour::Red), Alignment::Centre},
    {"QRLabel43",   {67, 651, 27, 27},               "ง่วย", Cordia(12, false, Colour::Red), Alignment::Centre},
    {"QRLabel44",   {67, 673, 27, 27},               "เต็ก", Cordia(12, false, Colour::Red), Alignment::Centre},
    {"QRLabel45",    {3, 673, 27, 27},            "เดือน", Cordia(12, false, Colour::Red), Alignment::Centre},
 // Ceremony list.
    {"QRLabel38", {122, 656, 125, 40}, "1. ฤกษ์สวมแหวนหมั้น", Cordia(14), Alignment::Left},
    {"QRLabel39", {122, 709, 169, 40}, "2. ฤกษ์ตั้งเตียง (ปูเตียง)", Cordia(14), Alignment::Left},
    {"QRLabel40",  {122, 764, 15, 40}, "3.", Cordia(14), Alignment::Left},
    {"QRLabel36",  {135, 764, 33, 41}, "ฤกษ์", Font{.points = 14, .underline = true}, Alignment::Left},
    {"QRLabel37",  {163, 764, 73, 40}, "(รับเจ้าสาว)", Cordia(14), Alignment::Left},
    {"QRLabel48",  {228, 764, 99, 40}, "เข้าบ้านเจ้าบ่าว", Font{.points = 14, .underline = true}, Alignment::Left},
    {"QRLabel54", {122, 817, 479, 40},
     "4. ฤกษ์ไหว้พ่อแม่เจ้าสาว ที่บ้านเจ้าสาว ( ตึงฉู่ ) หลังวันแต่ง เว้น 1 วันเป็นต้นไป", Cordia(14),
     Alignment::Left},
    {"QRLabel55", {135, 846, 440, 40}, "( วันที่ 1 วันแต่ง, วันที่ 2 เว้น, ตั้งแต่วันที่ 3 เป็นต้นไป )",
     Cordia(14), Alignment::Left},
    {"QRLabel56", {135, 874, 530, 40},
     "พิธีหลัก  1.เลี้ยงต้อนรับลูกเขย  2.ไหว้บรรพบุรุษ  3.ลูกเขยเตรียมอั่งเปา ให้พ่อแม่เจ้าสาว", Cordia(14),
     Alignment::Left},
    {"QRLabel57", {122, 927, 479, 40}, "5. งานเลี้ยงฉลอง ( ไม่ต้องดูฤกษ์ - ดูตามความเหมาะสม )", Cordia(14),
     Alignment::Left},
 // Lonely box.
    {"QRLabel49",  {627, 646, 38, 27}, "ชาย", Cordia(12, false, Colour::Maroon), Alignment::Centre},
    {"QRLabel51",  {674, 646, 38, 27}, "หญิง", Cordia(12, false, Colour::Maroon), Alignment::Centre},
    {"QRLabel50",  {627, 664, 38, 27}, "โกวซิ้ง", Cordia(12, false, Colour::Maroon), Alignment::Centre},
    {"QRLabel52",  {674, 664, 38, 27}, "กัวสัวะ", Cordia(12, false, Colour::Maroon), Alignment::Centre},
    {"QRLabel53",  {623, 706, 92, 27}, "ห้ามครบ 2 ตัว", Cordia(12, false, Colour::Maroon), Alignment::Centre},
};
// clang-format on

// Fixed bitmaps stored with the page, sized to their bitmap: name, left, top, file.
struct Mark {
    std::string_view name;
    int x;
    int y;
    std::string_view file;
};
constexpr Mark kMarks[] = {
    {"QRImage11", 139, 142, kCrossMarkFile},
    { "QRImage8", 388, 185, kCheckMarkFile},
    { "QRImage9", 388, 215, kCheckMarkFile},
    { "QRImage1",  54, 269, kCrossMarkFile},
    { "QRImage2",  55, 298, kCrossMarkFile},
    { "QRImage3", 100, 329, kCrossMarkFile},
    { "QRImage4", 101, 359, kCrossMarkFile},
    { "QRImage5",  55, 396, kCrossMarkFile},
    { "QRImage6",  40, 427, kCrossMarkFile},
    { "QRImage7",  40, 458, kCrossMarkFile},
    {"QRImage47",  71, 514, kCheckMarkFile},
};

// The noble-branch and lonely-box pictures, 17 × 16.
struct Slot {
    std::string_view name;
    int x;
    int y;
};
constexpr Slot kSlots[] = {
    {    "QRImagetangeigjueninglang1",  46, 588},
    {    "QRImagetangeigjueninglang2",  73, 588},
    {"QRImagetangeigjueninglangnext1",  46, 609},
    {"QRImagetangeigjueninglangnext2",  73, 609},
    {                 "QRImagekozing", 637, 686},
    {                "QRImagekozoung", 684, 686},
};

constexpr int kGlyphWidth = 17;
constexpr int kGlyphHeight = 16;

void AddGlyphCell(Page& page, std::string picture, std::string text, int px, int py, int tx, int ty) {
    page.AddPicture(std::move(picture), {px, py, kGlyphWidth, kGlyphHeight}, true);
    page.AddText(std::move(text), {tx, ty, 0, 0}, "/", Cordia(), true);
}

}  // namespace

std::span<const GlyphCell> GlyphCells() {
    return kCells;
}

const GlyphCell& CellOf(std::string_view pictureName) {
    const auto found = std::find_if(std::begin(kCells), std::end(kCells),
                                    [&](const GlyphCell& cell) { return cell.picture == pictureName; });
    if (found == std::end(kCells)) throw std::out_of_range("no glyph cell " + std::string(pictureName));
    return *found;
}

UsableCellNames UsableCell(UsableColumn column, int slot) {
    const std::string name(kUsableColumnNames[static_cast<std::size_t>(column)]);
    return {"QRImage" + name + std::to_string(slot), "QRLabel" + name + std::to_string(slot)};
}

std::string VirtueGlyphPicture(VirtueGlyph glyph) {
    return (glyph.stem ? "VS" : "VB") + std::to_string(glyph.code) + ".bmp";
}

std::string VirtuePictureName(int column, int row) {
    // The first column's first picture kept an older number; the others count on without a gap.
    constexpr std::array<int, 3> kFirst = {11, 23, 35};
    if (column == 0 && row == 1) return "QRImage10";
    return "QRImage" + std::to_string(kFirst[static_cast<std::size_t>(column)] + row - 1);
}

report::Page MarriagePage() {
    Page page(kMarriageBandWidth, kMarriageBandHeight);

    // Pictures first, texts over them, rules last.
    page.AddPicture("QRImageLogo", {0, 0, 109, 90}, false, std::string(kLogoFile));
    for (const Mark& mark : kMarks)
        page.AddPicture(std::string(mark.name), {mark.x, mark.y, 17, 17}, false, std::string(mark.file));
    for (const GlyphCell& cell : kCells)
        AddGlyphCell(page, std::string(cell.picture), std::string(cell.text), cell.pictureX, cell.pictureY,
                     cell.textX, cell.textY);
    for (std::size_t c = 0; c < kUsableColumnNames.size(); ++c) {
        for (int slot = 1; slot <= kUsableSlotsShown; ++slot) {
            const UsableCellNames names = UsableCell(static_cast<UsableColumn>(c), slot);
            const int x = kGridColumnX[c] + ((slot - 1) % 2) * 64;
            const int top = kGridRowTops[static_cast<std::size_t>((slot - 1) / 2)];
            // One text of the day column stands a unit higher than its row.
            const int textTop = names.text == "QRLabelraseeone6" ? top : top + 1;
            AddGlyphCell(page, names.picture, names.text, x, top, x + 24, textTop);
        }
    }
    for (const Slot& slot : kSlots)
        page.AddPicture(std::string(slot.name), {slot.x, slot.y, kGlyphWidth, kGlyphHeight}, true);
    const std::array<const std::array<VirtueGlyph, 12>*, 2> virtues = {&kTiangTek, &kNguayTek};
    for (int row = 1; row <= 12; ++row) {
        const auto r = static_cast<std::size_t>(row - 1);
        const std::array<VirtueGlyph, 3> glyphs = {
            VirtueGlyph{false, kVirtueMonths[r]},
            (*virtues[0])[r], (*virtues[1])[r]
        };
        for (int column = 0; column < 3; ++column)
            page.AddPicture(VirtuePictureName(column, row),
                            {kVirtueColumnX[static_cast<std::size_t>(column)], kVirtueRowTops[r], kGlyphWidth,
                             kGlyphHeight},
                            true, VirtueGlyphPicture(glyphs[static_cast<std::size_t>(column)]));
    }

    page.AddText("QRLabel1", {346, 1, 0, 0}, "ฤกษ์แต่งงาน", Cordia(22, true), false);
    for (const Caption& caption : kCaptions)
        page.AddText(std::string(caption.name), {caption.x, caption.y, 0, 0}, std::string(caption.caption),
                     caption.font, true);
    for (const FixedCaption& caption : kFixedCaptions)
        page.AddFixedText(std::string(caption.name), caption.box, std::string(caption.caption), caption.font,
                          caption.alignment, true);
    page.AddText("QRLabelYearNow", {8, 585, 0, 0}, "ปีนี้", Cordia(), true);
    page.AddText("QRLabelYearNext", {8, 607, 0, 0}, "ปีหน้า", Cordia(), true);
    page.AddText("QRLabelcurrentdate2", {11, 1001, 0, 0}, "", Cordia(), true);
    page.AddFixedText("QRLabelcredit", {492, 1001, 216, 23}, std::string(report::kMakersCredit), Cordia(),
                      Alignment::Right, true);

    for (const ShapeRow& shape : kShapes)
        page.AddShape(std::string(shape.name), shape.box, shape.kind, shape.pen, shape.penWidth);
    return page;
}

}  // namespace omenary::marriage
