#include "core/marriage/marriage_page.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/astro/cycles.h"

namespace omenary::marriage {
namespace {

using report::Box;
using report::Colour;

// Built on first use: the page's caption tables are initialised with the program, not before it.
const report::Page& ThePage() {
    static const report::Page page = MarriagePage();
    return page;
}

Box BoxOf(std::string_view name) {
    return ThePage().Get(name).box;
}
const report::Text& TextOf(std::string_view name) {
    return std::get<report::Text>(ThePage().Get(name).content);
}
const report::Picture& PictureOf(std::string_view name) {
    return std::get<report::Picture>(ThePage().Get(name).content);
}

// A glyph cell: the 17 × 16 stretched picture and its autosize text.
void ExpectCell(const std::string& picture, int px, int py, const std::string& text, int tx, int ty) {
    EXPECT_EQ(BoxOf(picture), (Box{px, py, 17, 16})) << picture;
    EXPECT_TRUE(PictureOf(picture).stretch) << picture;
    EXPECT_EQ(BoxOf(text).x, tx) << text;
    EXPECT_EQ(BoxOf(text).y, ty) << text;
    EXPECT_TRUE(TextOf(text).autosize) << text;
}

TEST(MarriagePage, PersonsTableCells) {
    const std::tuple<const char*, int, int, int, int> cells[] = {
  // suffix, picture x, picture top, text x, text top
        {         "RSBchild", 227,  93, 251,  91},
        {              "RSB", 291,  93, 315,  91},
        {         "RSLchild", 227, 113, 251, 112},
        {              "RSL", 291, 113, 315, 112},
        {     "_numnengkeng", 386, 113, 410, 112},
        {      "RSLporchild", 479, 113, 502, 112},
        {       "RSLmachild", 542, 113, 566, 112},
        {           "RSLpor", 605, 113, 628, 112},
        {            "RSLma", 668, 113, 692, 112},
        {    "RSLchildchong", 227, 143, 251, 142},
        {         "RSLchong", 291, 143, 315, 142},
        {"_numnengkengchong", 386, 143, 410, 142},
        { "RSLporchildchong", 479, 143, 502, 142},
        {  "RSLmachildchong", 542, 143, 566, 142},
        {      "RSLporchong", 604, 143, 628, 142},
        {       "RSLmachong", 668, 143, 692, 142},
    };
    for (const auto& [suffix, px, py, tx, ty] : cells)
        ExpectCell(std::string("QRImage") + suffix, px, py, std::string("QRLabel") + suffix, tx, ty);
}

TEST(MarriagePage, MonthCellsOfTheGoodMonthBoxAndTheRows) {
    const std::tuple<const char*, const char*, int, int, int, int> cells[] = {
        {       "QRImage_dornchok1",        "QRLabel_dornchok1", 479, 186, 503, 185},
        {       "QRImage_dornchok2",        "QRLabel_dornchok2", 543, 186, 567, 185},
        {       "QRImage_dornlarp1",        "QRLabel_dornlarp1", 479, 215, 503, 214},
        {       "QRImage_dornlarp2",        "QRLabel_dornlarp2", 543, 215, 567, 214},
        {"QRImage_kordpormajorbol1", "QRLabel_kordpormajorbol1", 479, 269, 503, 270},
        {"QRImage_kordpormajorsol2", "QRLabel_kordpormajorsol2", 543, 298, 567, 299},
        {    "QRImage_asonejorbol1",     "QRLabel_asonejorbol1", 479, 328, 503, 329},
        {    "QRImage_asonejorsol2",     "QRLabel_asonejorsol2", 543, 358, 567, 359},
        {     "QRImage_yarmzingbud",      "QRLabel_yarmzingbud", 260, 395, 284, 396},
        {     "QRImage_dernhorrang",      "QRLabel_dernhorrang", 510, 395, 534, 396},
        {              "QRImagepnb",               "QRLabelpnb", 479, 425, 503, 426},
        {              "QRImagepns",               "QRLabelpns", 543, 425, 567, 426},
        {   "QRImagetisolsiljorbol",               "QRLabeltsb", 479, 456, 503, 457},
        {   "QRImagetisolsiljorsol",               "QRLabeltss", 543, 456, 567, 457},
    };
    for (const auto& [picture, text, px, py, tx, ty] : cells)
        ExpectCell(picture, px, py, text, tx, ty);
    EXPECT_EQ(GlyphCells().size(), 34u);
    for (const GlyphCell& cell : GlyphCells())
        EXPECT_EQ(&CellOf(cell.picture), &cell);
}

TEST(MarriagePage, UsableGridTenSlotsPerColumnTwoPerRowWithOneTextAUnitHigher) {
    const int rowTops[] = {485, 514, 544, 574, 604};
    const std::tuple<UsableColumn, const char*, int> columns[] = {
        { UsableColumn::Hour,   "raseeyam", 227},
        {  UsableColumn::Day,   "raseeone", 353},
        {UsableColumn::Month, "raseedeang", 479},
        { UsableColumn::Year,   "raseepee", 605},
    };
    for (const auto& [column, name, x] : columns) {
        for (int i = 1; i <= 10; ++i) {
            const int px = x + (i % 2 == 0 ? 64 : 0);
            const int top = rowTops[(i - 1) / 2];
            const std::string n = std::to_string(i);
            const bool exception = std::string(name) == "raseeone" && i == 6;
            ExpectCell(std::string("QRImage") + name + n, px, top, std::string("QRLabel") + name + n, px + 24,
                       exception ? 544 : top + 1);
            EXPECT_EQ(UsableCell(column, i).picture, std::string("QRImage") + name + n);
        }
        EXPECT_FALSE(ThePage().Has(std::string("QRImage") + name + "11"));
        EXPECT_FALSE(ThePage().Has(std::string("QRLabel") + name + "12"));
    }
    EXPECT_EQ(BoxOf("QRLabelraseeone6").x, 441);
}

TEST(MarriagePage, VirtueTableShowsTheNamedStemsAndBranches) {
    // Month, เทียงเต็ก, ง่วยเต็ก by their Thai names; "s:" a stem, otherwise a branch.
    const std::array<std::array<const char*, 3>, 12> rows = {
        {
         {"ขาล", "s:เต็ง", "s:เปี้ย"},
         {"เถาะ", "วอก", "s:กะ"},
         {"มะโรง", "s:ยิ้ม", "s:ยิ้ม"},
         {"มะเส็ง", "s:ซิง", "s:แก"},
         {"มะเมีย", "กุน", "s:เปี้ย"},
         {"มะแม", "s:กะ", "s:กะ"},
         {"วอก", "s:กุ่ย", "s:ยิ้ม"},
         {"ระกา", "ขาล", "s:แก"},
         {"จอ", "s:เปี้ย", "s:เปี้ย"},
         {"กุน", "s:อิก", "s:กะ"},
         {"ชวด", "มะเส็ง", "s:ยิ้ม"},
         {"ฉลู", "s:แก", "s:แก"},
         }
    };
    const auto fileOf = [](std::string name) {
        const bool stem = name.starts_with("s:");
        const auto& names =
            stem ? std::vector<std::string_view>(astro::kStemNames.begin(), astro::kStemNames.end())
                 : std::vector<std::string_view>(astro::kBranchNames.begin(), astro::kBranchNames.end());
        if (stem) name = name.substr(2);
        const auto at = std::find(names.begin(), names.end(), name) - names.begin() + 1;
        return (stem ? "VS" : "VB") + std::to_string(at) + ".bmp";
    };
    const int tops[] = {705, 723, 741, 760, 788, 807, 825, 843, 871, 890, 909, 928};
    const int xs[] = {8, 40, 72};
    const int firstNumber[] = {12, 23, 35};  // of row 2, 1, 1
    for (int row = 1; row <= 12; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int number =
                column == 0 ? (row == 1 ? 10 : firstNumber[0] + row - 2) : firstNumber[column] + row - 1;
            const std::string name = "QRImage" + std::to_string(number);
            EXPECT_EQ(VirtuePictureName(column, row), name);
            EXPECT_EQ(BoxOf(name), (Box{xs[column], tops[row - 1], 17, 16})) << name;
            EXPECT_EQ(PictureOf(name).designFile,
                      fileOf(rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)]))
                << name;
        }
    }
}

TEST(MarriagePage, FixedBitmapsAndTheirSlots) {
    const std::tuple<const char*, int, int, std::string_view> marks[] = {
        {"QRImageLogo",   0,   0,      kLogoFile},
        {  "QRImage11", 139, 142, kCrossMarkFile},
        {   "QRImage8", 388, 185, kCheckMarkFile},
        {   "QRImage9", 388, 215, kCheckMarkFile},
        {   "QRImage1",  54, 269, kCrossMarkFile},
        {   "QRImage5",  55, 396, kCrossMarkFile},
        {   "QRImage7",  40, 458, kCrossMarkFile},
        {  "QRImage47",  71, 514, kCheckMarkFile},
    };
    for (const auto& [name, x, y, file] : marks) {
        EXPECT_EQ(BoxOf(name).x, x) << name;
        EXPECT_EQ(BoxOf(name).y, y) << name;
        EXPECT_FALSE(PictureOf(name).stretch) << name;
        EXPECT_EQ(PictureOf(name).designFile, file) << name;
    }
    for (const auto& [name, x, y] : {
             std::tuple{    "QRImagetangeigjueninglang1",  46, 588},
             std::tuple{"QRImagetangeigjueninglangnext2",  73, 609},
             std::tuple{                 "QRImagekozing", 637, 686},
             std::tuple{                "QRImagekozoung", 684, 686}
    }) {
        EXPECT_EQ(BoxOf(name), (Box{x, y, 17, 16})) << name;
        EXPECT_TRUE(PictureOf(name).designFile.empty()) << name;
    }
}

TEST(MarriagePage, CaptionsFontsAndColours) {
    const report::Text& title = TextOf("QRLabel1");
    EXPECT_EQ(title.caption, "ฤกษ์แต่งงาน");
    EXPECT_EQ(title.font.points, 22);
    EXPECT_TRUE(title.font.bold);
    EXPECT_FALSE(title.transparent);
    EXPECT_EQ(BoxOf("QRLabel1").x, 346);

    const report::Text& summary = TextOf("QRLabel59");
    EXPECT_EQ(summary.caption, "*** สรุป ราศีที่ใช้ได้");
    EXPECT_EQ(summary.font, (report::Font{.points = 14, .bold = true, .colour = Colour::Blue}));

    for (const char* red : {"QRLabel13", "QRLabel8", "QRLabel35", "QRLabel41", "QRLabel42", "QRLabel43",
                            "QRLabel44", "QRLabel45"})
        EXPECT_EQ(TextOf(red).font.colour, Colour::Red) << red;
    for (const char* maroon : {"QRLabel49", "QRLabel50", "QRLabel51", "QRLabel52", "QRLabel53"}) {
        EXPECT_EQ(TextOf(maroon).font.colour, Colour::Maroon) << maroon;
        EXPECT_EQ(TextOf(maroon).alignment, report::Alignment::Centre) << maroon;
    }
    EXPECT_EQ(TextOf("QRLabel53").caption, "ห้ามครบ 2 ตัว");
    EXPECT_EQ(TextOf("QRLabel7").caption, "พั้วง่วย");
    EXPECT_EQ(TextOf("QRLabel56").caption,
              "พิธีหลัก  1.เลี้ยงต้อนรับลูกเขย  2.ไหว้บรรพบุรุษ  3.ลูกเขยเตรียมอั่งเปา ให้พ่อแม่เจ้าสาว");
    for (const char* ceremony : {"QRLabel38", "QRLabel39", "QRLabel40", "QRLabel36", "QRLabel37", "QRLabel48",
                                 "QRLabel54", "QRLabel55", "QRLabel56", "QRLabel57"}) {
        EXPECT_EQ(TextOf(ceremony).font.points, 14) << ceremony;
        EXPECT_FALSE(TextOf(ceremony).autosize) << ceremony;
        EXPECT_EQ(TextOf(ceremony).font.underline,
                  std::string(ceremony) == "QRLabel36" || std::string(ceremony) == "QRLabel48")
            << ceremony;
    }
    EXPECT_EQ(BoxOf("QRLabel56"), (Box{135, 874, 530, 40}));
    EXPECT_EQ(BoxOf("QRLabel35"), (Box{3, 559, 91, 27}));
}

TEST(MarriagePage, EveryElementLiesInsideTheBand) {
    EXPECT_EQ(ThePage().BandWidth(), 718);
    EXPECT_EQ(ThePage().BandHeight(), 1047);
    for (const report::Element& element : ThePage().Elements()) {
        EXPECT_GE(element.box.x, 0) << element.name;
        EXPECT_GE(element.box.y, 0) << element.name;
        EXPECT_LE(element.box.x + element.box.width, 719) << element.name;
        EXPECT_LE(element.box.y + element.box.height, 1047) << element.name;
    }
}

}  // namespace
}  // namespace omenary::marriage
