// The general report page against the layout tables it was drawn from: names, kinds, positions,
// sizes, fonts and initial captions, one table per part of the page.
#include "core/general/general_page.h"

#include <gtest/gtest.h>

#include <set>

namespace omenary::general {
namespace {

using report::Alignment;
using report::Box;
using report::Colour;
using report::ElementKind;
using report::Page;
using report::ShapeKind;

const Page& ThePage() {
    static const Page page = GeneralPage();
    return page;
}

const report::Text& TextOf(std::string_view name) {
    return std::get<report::Text>(ThePage().Get(name).content);
}
const report::Picture& PictureOf(std::string_view name) {
    return ThePage().PictureOf(name);
}

// x of slot i = 1 ... 12 of the lists and the stage row, as the layout lists them.
constexpr int kSlotX[] = {164, 210, 256, 302, 348, 394, 440, 486, 532, 578, 624, 670};

TEST(GeneralPage, BandFillsThePrintableAreaOfAnA4Page) {
    EXPECT_EQ(ThePage().BandWidth(), 718);
    EXPECT_EQ(ThePage().BandHeight(), 1047);
    EXPECT_EQ(ThePage().Paper().widthMm, 210);
    EXPECT_EQ(ThePage().Paper().heightMm, 297);
    EXPECT_EQ(ThePage().Paper().marginMm, 10);
}

TEST(GeneralPage, RulingShapes) {
    const struct {
        const char* name;
        ShapeKind kind;
        Box box;
        Colour pen;
    } expected[] = {
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
        {       "QRShape13",         ShapeKind::Circle,  {81, 669, 40, 40},    Colour::Black},
        {        "QRShape8", ShapeKind::HorizontalLine, {159, 656, 534, 9},    Colour::Black},
        {       "QRShape11",   ShapeKind::VerticalLine,  {376, 661, 9, 55},    Colour::Black},
        {       "QRShape12",   ShapeKind::VerticalLine,  {606, 661, 9, 55},    Colour::Black},
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
    int shapes = 0;
    for (const report::Element& element : ThePage().Elements())
        shapes += element.Kind() == ElementKind::Shape;
    EXPECT_EQ(shapes, static_cast<int>(std::size(expected)));
    for (const auto& e : expected) {
        const report::Element& element = ThePage().Get(e.name);
        const auto& shape = std::get<report::Shape>(element.content);
        EXPECT_EQ(shape.kind, e.kind) << e.name;
        EXPECT_EQ(element.box, e.box) << e.name;
        EXPECT_EQ(shape.pen, e.pen) << e.name;
        EXPECT_EQ(shape.penWidth, 1) << e.name;
    }
}

// Autosize captions at their position: title, table headings and row captions, list and stage captions.
TEST(GeneralPage, FixedCaptions) {
    const struct {
        const char* name;
        int x, y;
        const char* caption;
        double points;
        bool bold;
        Colour colour;
        bool transparent;
    } expected[] = {
        { "QRLabel1", 203,  21, "ฤกษ์ยามระบบธาตุแท้ / ธาตุจักรวาล ระดับเบื้องต้น", 22,  true, Colour::Black, false},
        { "QRLabel2", 143,  85,                                                                                                                          "องศา", 14,  true, Colour::Black, false},
        { "QRLabel3", 269,  85,                                                                                                                          "ราศี", 14,  true, Colour::Black, false},
        { "QRLabel4", 379,  85,                                                                                                                          "ปะทะ", 14,  true, Colour::Black, false},
        { "QRLabel5", 545,  85,                                                                                                     "ราศีห้ามใช้", 14,  true, Colour::Black, false},
        { "QRLabel6",  15, 125,                                                                                                     "ทิศหลังบ้าน", 14, false, Colour::Black, false},
        { "QRLabel7",  15, 201,                                                                                                           "ทิศประธาน", 14, false, Colour::Black, false},
        { "QRLabel8",  15, 275,                                                                                                     "ทิศกระทำการ", 14, false, Colour::Black, false},
        { "QRLabel9",  15, 351,                                                                                            "ปีเกิดเจ้าบ้าน", 14, false, Colour::Black, false},
        {"QRLabel10",  15, 425,                                                                                            "ปีที่ดำเนินการ", 14, false, Colour::Black, false},
        {"QRLabel12",  32, 480,                                                                                            "ราศีที่ห้ามใช้", 14,  true,   Colour::Red, false},
        {"QRLabel11",  32, 553,                                                                                               "ราศีที่ใช้ได้", 14,  true,  Colour::Blue, false},
        {"QRLabel17",  32, 638,                                                                                         "ธาตุจักรวาลเป็น", 14,  true, Colour::Black,  true},
        {"QRLabel14", 164, 639,                                                                                                              "เชี่ยงแซ", 12, false, Colour::Black, false},
        {"QRLabel15", 394, 639,                                                                                                                             "ซวย", 12, false, Colour::Black, false},
        {"QRLabel16", 624, 639,                                                                                                                                "ทอ", 12, false, Colour::Black, false},
    };
    for (const auto& e : expected) {
        const report::Text& text = TextOf(e.name);
        EXPECT_EQ(ThePage().Get(e.name).box.x, e.x) << e.name;
        EXPECT_EQ(ThePage().Get(e.name).box.y, e.y) << e.name;
        EXPECT_EQ(text.caption, e.caption) << e.name;
        EXPECT_TRUE(text.autosize) << e.name;
        EXPECT_EQ(text.font.face, "CordiaUPC") << e.name;
        EXPECT_EQ(text.font.points, e.points) << e.name;
        EXPECT_EQ(text.font.bold, e.bold) << e.name;
        EXPECT_EQ(text.font.colour, e.colour) << e.name;
        EXPECT_EQ(text.transparent, e.transparent) << e.name;
    }
}

TEST(GeneralPage, LogoIsAFixedBitmapSizedToItself) {
    const report::Element& logo = ThePage().Get("QRImageLogo");
    EXPECT_EQ(logo.box, (Box{0, 0, 109, 90}));
    EXPECT_FALSE(PictureOf("QRImageLogo").stretch);
    EXPECT_EQ(PictureOf("QRImageLogo").designFile, "logo.bmp");
}

TEST(GeneralPage, AspectTextsAndCompassPictures) {
    const struct {
        const char* aspect;
        int n;
        int degreeY, statusY, tiltBackY, tiltForwardY, compassY;
    } rows[] = {
        {"aspectbackofhome", 1, 126, 152, 126, 162, 166},
        { "aspectprominent", 2, 202, 228, 202, 238, 242},
        {   "aspectperform", 3, 276, 302, 276, 312, 316},
    };
    for (const auto& row : rows) {
        const std::string a = row.aspect, n = std::to_string(row.n);
        EXPECT_EQ(ThePage().Get("QRLabel" + a).box, (Box{143, row.degreeY, 0, 0})) << a;
        EXPECT_EQ(TextOf("QRLabel" + a).caption, "[องศา]");
        EXPECT_EQ(TextOf("QRLabel" + a).font.points, 14);

        const report::Text& status = TextOf("QRLabel" + a + "status");
        EXPECT_EQ(ThePage().Get("QRLabel" + a + "status").box, (Box{2, row.statusY, 128, 23})) << a;
        EXPECT_FALSE(status.autosize);
        EXPECT_EQ(status.alignment, Alignment::Centre);
        EXPECT_TRUE(status.transparent);
        EXPECT_EQ(status.font.points, 12);
        EXPECT_EQ(status.font.colour, Colour::Red);
        EXPECT_EQ(status.caption, "Status");

        EXPECT_EQ(ThePage().Get("QRLabelPrev" + n).box, (Box{217, row.tiltBackY, 0, 0})) << a;
        EXPECT_EQ(ThePage().Get("QRLabelBack" + n).box, (Box{217, row.tiltForwardY, 0, 0})) << a;
        EXPECT_EQ(TextOf("QRLabelPrev" + n).caption, "[เอียงถอย]");
        EXPECT_EQ(TextOf("QRLabelBack" + n).caption, "[เอียงหน้า]");
        EXPECT_EQ(TextOf("QRLabelPrev" + n).font.points, 12);

        EXPECT_EQ(ThePage().Get("QRImage" + a).box, (Box{179, row.compassY, 16, 17})) << a;
        EXPECT_TRUE(PictureOf("QRImage" + a).stretch);
    }
}

// A branch cell: branch picture 16 × 17 stretched at the row top, mark text "[/]" in a transparent
// 10 × 34 box, number picture sized to its bitmap one unit higher.
void ExpectBranchCell(const std::string& picture, const std::string& mark, const std::string& number, int x,
                      int markX, int numberX, int top) {
    SCOPED_TRACE(picture);
    EXPECT_EQ(ThePage().Get(picture).box, (Box{x, top, 16, 17}));
    EXPECT_TRUE(PictureOf(picture).stretch);
    EXPECT_EQ(ThePage().Get(mark).box, (Box{markX, top, 10, 34}));
    const report::Text& text = TextOf(mark);
    EXPECT_EQ(text.caption, "[/]");
    EXPECT_TRUE(text.transparent);
    EXPECT_FALSE(text.autosize);
    EXPECT_EQ(text.font.points, 12);
    EXPECT_TRUE(text.font.bold);
    EXPECT_EQ(ThePage().Get(number).box, (Box{numberX, top - 1, 17, 17}));
    EXPECT_FALSE(PictureOf(number).stretch);
}

TEST(GeneralPage, AspectBranchCells) {
    const struct {
        const char* prefix;
        int picture, mark, number;
    } columns[] = {
        {            "", 272, 304, 308},
        {       "clash", 367, 399, 403},
        {   "evilmeans", 468, 500, 504},
        {  "evilmaster", 548, 580, 584},
        {"eviltreasury", 626, 658, 662},
    };
    const struct {
        const char* aspect;
        int tops[2];
    } aspects[] = {
        {"aspectbackofhome", {128, 166}},
        { "aspectprominent", {204, 240}},
        {   "aspectperform", {278, 316}},
    };
    for (const auto& a : aspects)
        for (int k = 1; k <= 2; ++k)
            for (const auto& c : columns) {
                const std::string K = c.prefix, A = a.aspect, n = std::to_string(k);
                std::string number = "QRImage" + K + A + "number" + n;
                // Three number pictures of the back-of-home second row carry a capital N.
                if (A == "aspectbackofhome" && k == 2 && (K.empty() || K == "clash" || K == "evilmeans"))
                    number = "QRImage" + K + A + "Number" + n;
                ExpectBranchCell("QRImage" + K + A + n, "QRLabel" + K + "code" + A + n, number, c.picture,
                                 c.mark, c.number, a.tops[k - 1]);
            }
    // The names as they are written out, and the accessor the fill uses.
    for (const char* name :
         {"QRImageclashaspectprominent1", "QRLabelclashcodeaspectprominent1",
          "QRImageclashaspectprominentnumber1", "QRImageaspectbackofhomeNumber2",
          "QRImageclashaspectbackofhomeNumber2", "QRImageevilmeansaspectbackofhomeNumber2",
          "QRImageevilmasteraspectbackofhomenumber2", "QRImageeviltreasuryaspectbackofhomenumber2"})
        EXPECT_TRUE(ThePage().Has(name)) << name;
    const BranchCellNames cell = AspectCell(0, 2, CellColumn::EvilMeans);
    EXPECT_EQ(cell.picture, "QRImageevilmeansaspectbackofhome2");
    EXPECT_EQ(cell.mark, "QRLabelevilmeanscodeaspectbackofhome2");
    EXPECT_EQ(cell.number, "QRImageevilmeansaspectbackofhomeNumber2");
    EXPECT_EQ(AspectCell(2, 1, CellColumn::EvilTreasury).number, "QRImageeviltreasuryaspectperformnumber1");
}

TEST(GeneralPage, PersonAndYearRows) {
    const struct {
        const char* text;
        int textY;
        const char* initial;
        int top;
        const char* cells[3][3];
    } rows[] = {
        {    "QRLabelperson1",
         352,                                          "[1]",
         354, {{"QRImageperson1", "QRLabelcodeperson1", "QRImagepersonNumber1"},
 {"QRImageclashperson1", "QRLabelclashperson1", "QRImageclashpersonNumber1"},
 {"QRImageEvilReturntreasuryperson1", "QRLabelEvilReturntreasurycodeperson1",
 "QRImageEvilReturntreasurypersonnumber1"}} },
        {    "QRLabelperson2",
         390,                                          "[2]",
         392, {{"QRImageperson2", "QRLabelcodeperson2", "QRImagepersonNumber2"},
 {"QRImageclashperson2", "QRLabelclashperson2", "QRImageclashpersonNumber2"},
 {"QRImageEvilReturntreasuryperson2", "QRLabelEvilReturntreasurycodeperson2",
 "QRImageEvilReturntreasurypersonnumber2"}} },
        {"QRLabelYearProcess",
         426, "[ปีที่ดำเนินการ]",
         428,                {{"QRImageyearprocess", "QRLabelcodeyearprocess", "QRImageyearprocessNumber"},
                {"QRImageclashyearprocess", "QRLabelclashyearprocess", "QRImageclashyearprocessNumber"},
                {nullptr, nullptr, nullptr}}},
    };
    const int columnX[3][3] = {
        {272, 304, 308},
        {367, 399, 403},
        {468, 500, 504}
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ThePage().Get(row.text).box, (Box{143, row.textY, 0, 0})) << row.text;
        EXPECT_EQ(TextOf(row.text).caption, row.initial);
        EXPECT_EQ(TextOf(row.text).font.points, 14);
        for (int c = 0; c < 3; ++c)
            if (row.cells[c][0] != nullptr)
                ExpectBranchCell(row.cells[c][0], row.cells[c][1], row.cells[c][2], columnX[c][0],
                                 columnX[c][1], columnX[c][2], row.top);
    }
    EXPECT_EQ(PersonCell(2, CellColumn::EvilMeans).number, "QRImageEvilReturntreasurypersonnumber2");
    EXPECT_EQ(YearCell(CellColumn::Clash).mark, "QRLabelclashyearprocess");
    EXPECT_EQ(ThePage().Get("QRLabelperson1note").box, (Box{548, 352, 0, 0}));
    EXPECT_EQ(ThePage().Get("QRLabelperson1note2").box, (Box{548, 384, 0, 0}));
    EXPECT_EQ(TextOf("QRLabelperson1note2").font.points, 14);
}

TEST(GeneralPage, BranchListSlots) {
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        const int x = kSlotX[i - 1];
        EXPECT_EQ(SlotX(i), x);
        const struct {
            const char* list;
            int top;
        } lists[] = {
            {"Cannotuse", 480},
            {   "Canuse", 551}
        };
        for (const auto& list : lists) {
            const std::string l = list.list;
            SCOPED_TRACE(l + n);
            EXPECT_EQ(ThePage().Get("QRImage" + l + n).box, (Box{x, list.top, 16, 17}));
            EXPECT_TRUE(PictureOf("QRImage" + l + n).stretch);
            EXPECT_EQ(ThePage().Get("QRImage" + l + "number" + n).box, (Box{x + 2, list.top + 22, 17, 17}));
            EXPECT_FALSE(PictureOf("QRImage" + l + "number" + n).stretch);
            EXPECT_EQ(ThePage().Get("QRLabelCode" + l + n).box, (Box{x - 2, list.top + 23, 10, 34}));
            EXPECT_EQ(TextOf("QRLabelCode" + l + n).caption, "[/]");
        }
    }
    const report::Text& notice = TextOf("QRLabelUseOmenary4Tid");
    EXPECT_EQ(ThePage().Get("QRLabelUseOmenary4Tid").box, (Box{163, 553, 0, 0}));
    EXPECT_EQ(notice.caption, "QRLabelUseOmenary4Tid");
    EXPECT_TRUE(notice.transparent && notice.font.bold);
    EXPECT_EQ(notice.font.colour, Colour::Red);
    EXPECT_EQ(ThePage().Get("QRLabelTidTodToy").box, (Box{12, 608, 0, 0}));
    EXPECT_EQ(TextOf("QRLabelTidTodToy").caption, "*** ทิศกระทำการเป็นทิศถดถอย");
}

// Not one offset from the slots: the gaps are 45, 46 or 47 units.
TEST(GeneralPage, StarMarksOfTheUsableSlotsStandAtTheirTwelveXValues) {
    const int expectedX[] = {148, 195, 241, 287, 334, 381, 427, 473, 518, 564, 610, 655};
    for (int i = 1; i <= 12; ++i) {
        const std::string name = "QRLabelStar" + std::to_string(i);
        EXPECT_EQ(ThePage().Get(name).box, (Box{expectedX[i - 1], 542, 0, 0})) << name;
        const report::Text& star = TextOf(name);
        EXPECT_EQ(star.caption, "*");
        EXPECT_EQ(star.font.face, "Verdana");
        EXPECT_EQ(star.font.points, 14);
        EXPECT_TRUE(star.font.bold);
        EXPECT_EQ(star.font.colour, Colour::Fuchsia);
        EXPECT_TRUE(star.transparent);
    }
}

TEST(GeneralPage, UniversalElementAndTwelveStages) {
    EXPECT_EQ(ThePage().Get("QRImageUniversalElement").box, (Box{32, 676, 26, 26}));
    EXPECT_FALSE(PictureOf("QRImageUniversalElement").stretch);
    const report::Text& element = TextOf("QRLabelUniversalElement");
    EXPECT_EQ(ThePage().Get("QRLabelUniversalElement").box, (Box{74, 679, 54, 25}));
    EXPECT_EQ(element.caption, "ธาตุ");
    EXPECT_FALSE(element.autosize);
    EXPECT_EQ(element.alignment, Alignment::Centre);
    EXPECT_EQ(element.font.colour, Colour::Blue);
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        const int x = kSlotX[i - 1];
        EXPECT_EQ(ThePage().Get("QRImageCC" + n).box, (Box{x, 668, 16, 17}));
        EXPECT_EQ(ThePage().Get("QRImageCCyn" + n).box, (Box{x, 692, 17, 16}));
        EXPECT_EQ(ThePage().Get("QRLabelStarC" + n).box, (Box{x + 1, 691, 0, 0}));
        // Opaque: a stage star hides the mark beneath it.
        EXPECT_FALSE(TextOf("QRLabelStarC" + n).transparent);
        EXPECT_EQ(TextOf("QRLabelStarC" + n).font.face, "Verdana");
    }
}

TEST(GeneralPage, YearStarGridWithSouthAtTheTop) {
    const struct {
        const char* name;
        int x, y;
        const char* initial;
    } cells[] = {
        {"QRLabelyearstar9", 32, 744, "4"},
        {"QRLabelyearstar5", 54, 744, "9"},
        {"QRLabelyearstar7", 76, 744, "2"},
        {"QRLabelyearstar8", 32, 767, "3"},
        {"QRLabelyearstar1", 54, 767, "5"},
        {"QRLabelyearstar3", 76, 767, "7"},
        {"QRLabelyearstar4", 32, 788, "8"},
        {"QRLabelyearstar6", 54, 788, "1"},
        {"QRLabelyearstar2", 76, 788, "6"},
    };
    for (const auto& cell : cells) {
        const report::Text& text = TextOf(cell.name);
        EXPECT_EQ(ThePage().Get(cell.name).box, (Box{cell.x, cell.y, 22, 25})) << cell.name;
        EXPECT_EQ(text.caption, cell.initial) << cell.name;
        EXPECT_FALSE(text.autosize);
        EXPECT_EQ(text.alignment, Alignment::Centre);
        EXPECT_TRUE(text.transparent);
        EXPECT_TRUE(text.font.bold);
        EXPECT_EQ(text.font.points, 14);
    }
    EXPECT_EQ(ThePage().Get("QRLabelnumberyearstar").box, (Box{28, 723, 74, 23}));
    EXPECT_EQ(TextOf("QRLabelnumberyearstar").caption, "ดาวปีจร");
    EXPECT_EQ(ThePage().Get("QRLabelwarning5").box, (Box{143, 728, 0, 0}));
    EXPECT_EQ(TextOf("QRLabelwarning5").caption,
              "*** ทิศกระทำการกระทบดาวเบญจภูติ ( ดาว 5 ) แก้ไขโดย ให้ราดน้ำ 5 ขันก่อนกระทบ ***");
}

TEST(GeneralPage, MonthStarAndNobleBranchBoxes) {
    const struct {
        const char* name;
        Box box;
        const char* caption;
        double points;
    } texts[] = {
        {                       "QRLabel18", {32, 818, 66, 23},                   "ดาวเดือนจร", 12},
        {     "QRLabelmonthnamestarcurrent",   {37, 843, 0, 0},                                  "เดือน", 10},
        {"QRLabelmonthnamestarcurrentnext1",   {37, 866, 0, 0},                                  "เดือน", 10},
        {"QRLabelmonthnamestarcurrentnext2",   {37, 888, 0, 0},                                  "เดือน", 10},
        {"QRLabelmonthnamestarcurrentnext3",   {37, 911, 0, 0},                                  "เดือน", 10},
        {         "QRLabelmonthstarcurrent", {83, 840, 15, 23},                                        "ดาว", 12},
        {    "QRLabelmonthstarcurrentnext1", {83, 863, 15, 23},                                        "ดาว", 12},
        {    "QRLabelmonthstarcurrentnext2", {83, 886, 15, 23},                                        "ดาว", 12},
        {    "QRLabelmonthstarcurrentnext3", {83, 909, 15, 23},                                        "ดาว", 12},
        {                       "QRLabel21", {32, 942, 66, 23}, "เทียงอิกกุ้ยนั้ง", 12},
    };
    for (const auto& e : texts) {
        EXPECT_EQ(ThePage().Get(e.name).box, e.box) << e.name;
        EXPECT_EQ(TextOf(e.name).caption, e.caption) << e.name;
        EXPECT_EQ(TextOf(e.name).font.points, e.points) << e.name;
        EXPECT_TRUE(TextOf(e.name).transparent) << e.name;
        EXPECT_EQ(TextOf(e.name).autosize, e.box.width == 0) << e.name;
    }
    EXPECT_EQ(TextOf("QRLabel21").font.colour, Colour::Blue);
    EXPECT_EQ(ThePage().Get("QRImagetangeigjueninglang1").box, (Box{42, 967, 17, 16}));
    EXPECT_EQ(ThePage().Get("QRImagetangeigjueninglang2").box, (Box{71, 967, 17, 16}));
}

TEST(GeneralPage, FooterDateLineAndCreditStayBetween998AndTheBandBottom) {
    EXPECT_EQ(ThePage().Get("QRLabelcurrentdate").box, (Box{11, 1001, 0, 0}));
    EXPECT_TRUE(TextOf("QRLabelcurrentdate").transparent);
    for (const char* credit : {"QRLabelcredit", "QRLabelcredit2"}) {
        const Box box = ThePage().Get(credit).box;
        EXPECT_GE(box.y, 998) << credit;
        EXPECT_LE(box.y + box.height, 1047) << credit;
        EXPECT_LE(box.x + box.width, 718) << credit;
        EXPECT_FALSE(TextOf(credit).caption.empty());
    }
}

// The fill's reset step loads the blank picture into 81 slots; every one of them must exist.
TEST(GeneralPage, EveryPictureSlotTheResetClearsExistsAndStartsEmpty) {
    std::set<std::string> slots = {"QRImageaspectbackofhome", "QRImageaspectprominent",
                                   "QRImageaspectperform", "QRImagetangeigjueninglang1",
                                   "QRImagetangeigjueninglang2"};
    for (int a = 0; a < 3; ++a)
        for (int k = 1; k <= 2; ++k)
            for (int c = 0; c < 5; ++c) {
                const BranchCellNames cell = AspectCell(a, k, static_cast<CellColumn>(c));
                slots.insert({cell.picture, cell.number});
            }
    for (int p = 1; p <= 2; ++p)
        for (CellColumn c : {CellColumn::Branch, CellColumn::Clash, CellColumn::EvilMeans})
            slots.insert({PersonCell(p, c).picture, PersonCell(p, c).number});
    for (CellColumn c : {CellColumn::Branch, CellColumn::Clash})
        slots.insert({YearCell(c).picture, YearCell(c).number});
    EXPECT_EQ(slots.size(), 81u);
    for (const std::string& slot : slots) {
        ASSERT_TRUE(ThePage().Has(slot)) << slot;
        EXPECT_TRUE(PictureOf(slot).file.empty()) << slot;
    }
}

}  // namespace
}  // namespace omenary::general
