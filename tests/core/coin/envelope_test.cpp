// The envelope against its layout table, its four placements, its fill and the page options.
#include "core/coin/envelope_fill.h"

#include <gtest/gtest.h>

#include "core/coin/envelope_page.h"
#include "core/platform/settings.h"
#include "tests/core/coin/coin_tab.h"
#include "tests/temp_folder.h"

namespace omenary::coin {
namespace {

using report::ElementKind;

TEST(CoinEnvelope, TheBasePointOfEachPlacement) {
    const struct {
        bool landscape, centre;
        BasePoint base;
    } cases[] = {
        {false, false,     {3, 4}},
        {false,  true,   {102, 4}},
        { true, false,   {542, 4}},
        { true,  true, {542, 223}},
    };
    for (const auto& c : cases) {
        const PageOptions options{c.landscape, c.centre, ""};
        EXPECT_EQ(EnvelopeBasePoint(options), c.base) << c.landscape << c.centre;
    }
}

// Every element: its offset from (L, T), size where it has one, and kind.
struct Expected {
    const char* name;
    int dx, dy, w, h;
    ElementKind kind;
};
const Expected kLayout[] = {
    {          "QRLabelLine1",   0,   0,   0,  0,    ElementKind::Text},
    {        "QRImageRasiBon", 289,   1,  17, 16, ElementKind::Picture},
    {       "QRImageRasiLang", 308,   1,  17, 16, ElementKind::Picture},
    {     "QRLabelCoinNumber", 331,  -2,   0,  0,    ElementKind::Text},
    {  "QRImageRasiBonNumber", 336,   1,  10, 16, ElementKind::Picture},
    { "QRImageRasiLangNumber", 356,   1,  10, 16, ElementKind::Picture},
    {"QRImageLogoOmenaryCoin", 382,  -3,  95, 78, ElementKind::Picture},
    {          "QRLabelLine2",   0,  22,   0,  0,    ElementKind::Text},
    {          "QRLabelLine3",   0,  44,   0,  0,    ElementKind::Text},
    {  "QRLabelOmenaryCoinIs",  11,  44,   0,  0,    ElementKind::Text},
    {          "QRLabelLine4", 104,  44,   0,  0,    ElementKind::Text},
    {      "QRLabelLineTime4", 223,  44,   0,  0,    ElementKind::Text},
    {          "QRLabelLine5", 104,  66,   0,  0,    ElementKind::Text},
    {      "QRLabelLineTime5", 223,  66,   0,  0,    ElementKind::Text},
    {          "QRLabelLine6", 104,  88,   0,  0,    ElementKind::Text},
    {      "QRLabelLineTime6", 223,  88,   0,  0,    ElementKind::Text},
    {          "QRLabelLine7", 104, 110,   0,  0,    ElementKind::Text},
    {      "QRLabelLineTime7", 223, 110,   0,  0,    ElementKind::Text},
    {           "QRLabeljud1", 302,  88,   0,  0,    ElementKind::Text},
    {          "QRLabelLine8", 310,  88,   0,  0,    ElementKind::Text},
    {      "QRLabelLineTime8", 429,  88,   0,  0,    ElementKind::Text},
    {           "QRLabeljud2", 302, 110,   0,  0,    ElementKind::Text},
    {          "QRLabelLine9", 310, 110,   0,  0,    ElementKind::Text},
    {      "QRLabelLineTime9", 429, 110,   0,  0,    ElementKind::Text},
    {         "QRLabelLine10",   0, 134,   0,  0,    ElementKind::Text},
    {         "QRLabelLine11",   0, 156,   0,  0,    ElementKind::Text},
    {         "QRLabelLine12",   0, 183,   0,  0,    ElementKind::Text},
    {         "QRLabelLine13",   0, 205,   0,  0,    ElementKind::Text},
    {          "QRShapeline1",   0, 233, 484,  5,   ElementKind::Shape},
    {       "QRLabelLineNote",   0, 242,   0,  0,    ElementKind::Text},
    {        "QRShapeWarning", 141, 264, 195, 23,   ElementKind::Shape},
    {        "QRLabelWarning", 145, 266,   0,  0,    ElementKind::Text},
};

TEST(CoinEnvelope, EveryElementKeepsItsOffsetFromTheBasePointInEveryPlacement) {
    report::Page page = EnvelopePage();
    EXPECT_EQ(page.BandWidth(), 718);
    EXPECT_EQ(page.BandHeight(), 295);
    EXPECT_EQ(page.Elements().size(), std::size(kLayout));
    for (const BasePoint base : {
             BasePoint{  3,   4},
             BasePoint{102,   4},
             BasePoint{542,   4},
             BasePoint{542, 223}
    }) {
        PlaceEnvelope(page, base);
        for (const Expected& e : kLayout) {
            const report::Element& element = page.Get(e.name);
            EXPECT_EQ(element.Kind(), e.kind) << e.name;
            EXPECT_EQ(element.box, (report::Box{base.L + e.dx, base.T + e.dy, e.w, e.h})) << e.name;
        }
    }
}

TEST(CoinEnvelope, FontsCaptionsAndShapesAsDesigned) {
    const report::Page page = EnvelopePage();
    for (const report::Element& element : page.Elements()) {
        const auto* text = std::get_if<report::Text>(&element.content);
        if (text == nullptr) continue;
        const bool warning = element.name == "QRLabelWarning";
        EXPECT_EQ(text->font.face, "CordiaUPC") << element.name;
        EXPECT_EQ(text->font.points, 12) << element.name;
        EXPECT_EQ(text->font.bold, warning) << element.name;
        EXPECT_EQ(text->font.colour, warning ? report::Colour::Blue : report::Colour::Black) << element.name;
        EXPECT_EQ(text->transparent, warning || element.name == "QRLabelLineNote") << element.name;
        EXPECT_TRUE(text->autosize) << element.name;
    }
    EXPECT_EQ(page.Caption("QRLabelLine1"), "1.");
    EXPECT_EQ(page.Caption("QRLabelLine13"), "13.");
    EXPECT_EQ(page.Caption("QRLabelLineTime9"), "เวลา");
    EXPECT_EQ(page.Caption("QRLabelCoinNumber"), "(     /      )");
    EXPECT_EQ(page.Caption("QRLabelOmenaryCoinIs"), "ฤกษ์ที่มอบ คือ วันที่");
    EXPECT_EQ(page.Caption("QRLabelWarning"), "ห้ามผู้รับจับเหรียญก่อนถึงฤกษ์รับมอบ");
    EXPECT_EQ(page.PictureOf("QRImageLogoOmenaryCoin").designFile, "emblem.bmp");
    const auto& frame = std::get<report::Shape>(page.Get("QRShapeWarning").content);
    EXPECT_EQ(frame.kind, report::ShapeKind::Rectangle);
    EXPECT_EQ(frame.pen, report::Colour::Blue);
    EXPECT_EQ(std::get<report::Shape>(page.Get("QRShapeline1").content).kind,
              report::ShapeKind::HorizontalLine);
}

// The giver 10/12 born 2526, 22 years old in 2547, with the slots of a search that filled four.
CoinValues Giver(bool landscape, bool centre) {
    CoinValues v;
    v.LabelRasibon = "10";
    v.LabelRasiLang = "12";
    v.LabelCoinDetail1 = "กุน";
    v.LabelCoinDetail2 = "2526";
    v.LabelCoinDetail3 = "22";
    for (int slot = 1; slot <= kSlotCount; ++slot)
        v.LabelOmenaryCoin[static_cast<std::size_t>(slot - 1)] = FreeSlotText(slot);
    v.LabelOmenaryCoin[0] = "จ.5 มกราคม 2547";
    v.LabelOmenaryTimeCoin[0] = "07:30-08:30 น.";
    v.LabelOmenaryCoin[4] = "อา.11 มกราคม 2547";
    v.LabelOmenaryTimeCoin[4] = "ทั้งวัน";
    v.pageOptions = {landscape, centre, ""};
    return v;
}

TEST(CoinEnvelope, TheFillPlacesTheBlockLoadsThePairAndWritesEveryLine) {
    report::Page page = EnvelopePage();
    const omenary::testing::FakePictures pictures;
    FillEnvelopePage(page, Giver(true, true), pictures);
    EXPECT_EQ(page.Get("QRImageLogoOmenaryCoin").box.x, 924);
    EXPECT_EQ(page.Get("QRImageLogoOmenaryCoin").box.y, 220);
    EXPECT_EQ(pictures.asked, (std::vector<std::string>{"OS10.bmp", "BS12.bmp", "N10.bmp", "N12.bmp"}));
    FillEnvelopePage(page, Giver(false, false), pictures);
    EXPECT_EQ(page.Get("QRLabelLine4").box, (report::Box{107, 48, 0, 0}));
    EXPECT_EQ(page.Get("QRLabelWarning").box, (report::Box{148, 270, 0, 0}));
    EXPECT_EQ(page.Caption("QRLabelLine1"),
              "1. ชื่อผู้รับ ................................................................. รับเหรียญ ");
    EXPECT_EQ(page.Caption("QRLabelLine2"),
              "2. ผู้มอบเกิดปีกุน อายุ 22 ปี  เกิดระหว่าง 6 ก.พ. พ.ศ. 2526 ถึง 1 ก.พ. พ.ศ. ถัดไป");
    EXPECT_EQ(page.Caption("QRLabelLine3"), "3.");
    EXPECT_EQ(page.Caption("QRLabelLine4"), "จ.5 มกราคม 2547");
    EXPECT_EQ(page.Caption("QRLabelLineTime4"), "07:30-08:30 น.");
    EXPECT_EQ(page.Caption("QRLabelLine5"), "ฤกษ์ 2");
    EXPECT_EQ(page.Caption("QRLabelLineTime5"), "เวลา");
    EXPECT_EQ(page.Caption("QRLabelLine8"), "อา.11 มกราคม 2547");
    EXPECT_EQ(page.Caption("QRLabelLineTime8"), "ทั้งวัน");
    EXPECT_EQ(page.Caption("QRLabelLine9"), "ฤกษ์ 6");
    EXPECT_EQ(page.Caption("QRLabelLine10"),
              "4. ผู้มอบตั้งนะโม 3 จบ และกล่าวว่า \" ด้วยอำนาจคุณพระพุทธ คุณพระธรรม คุณพระสงฆ์  ข้าพเจ้า");
    EXPECT_EQ(page.Caption("QRLabelLine11"),
              "    เกิดปี กุน ๆๆๆ (1 นาที) ขอมอบเหรียญนี้เพื่อปกป้องคุ้มครอง ให้ปราศจากทุกข์โรคภัย อุปสรรคทั้งปวง \"");
    EXPECT_EQ(page.Caption("QRLabelLine12"),
              "5. ผู้รับมอบกล่าวว่า \" สาธุ \" 3 ครั้ง และมอบส้ม 4 ลูก พร้อมซองแดงให้ผู้มอบ และควรทำบุญสังฆทาน");
    EXPECT_EQ(page.Caption("QRLabelLine13"),
              "6. ให้พกเหรียญไว้จนถึง 4 กุมภาพันธ์ พ.ศ. ........................ จึงเอาออก  หรือ พกตลอดชีวิต");
}

TEST(CoinEnvelope, ThePrintButtonPreviewsOrPrintsAndAMissingPictureStopsIt) {
    for (const bool preview : {true, false}) {
        CoinTab tab;
        tab.values = Giver(false, false);
        tab.values.CheckBoxPagePreview3 = preview;
        report::Page page = EnvelopePage();
        EXPECT_TRUE(ButtonPrintOmenaryCoinClick(tab.values, page, tab.pictures, tab.messages, tab.view));
        EXPECT_EQ(tab.view.outputs, std::vector<std::string>{preview ? "preview" : "print"});
        EXPECT_EQ(tab.view.lastLine2, GiverLine(tab.values));
        EXPECT_EQ(page.PictureOf("QRImageLogoOmenaryCoin").file, "emblem.bmp");
    }
    CoinTab tab;
    tab.values = Giver(true, true);
    tab.pictures = omenary::testing::FakePictures({"BS12.bmp"});
    report::Page page = EnvelopePage();
    EXPECT_FALSE(ButtonPrintOmenaryCoinClick(tab.values, page, tab.pictures, tab.messages, tab.view));
    EXPECT_TRUE(tab.view.outputs.empty());
    ASSERT_EQ(tab.messages.Entries().size(), 1u);
    EXPECT_NE(tab.messages.Entries()[0].text.find("BS12.bmp"), std::string::npos);
}

using CoinPageOptions = omenary::testing::TempFolderTest;

TEST_F(CoinPageOptions, EachClickShowsItsPictureAndWritesBothKeys) {
    const struct {
        bool landscape, centre;
        const char* picture;
        const char* landscapeKey;
        const char* centreKey;
    } cases[] = {
        {false, false, "portrait1.bmp", "False", "False"},
        {false,  true, "portrait2.bmp", "False",  "True"},
        { true, false, "portrait3.bmp",  "True", "False"},
        { true,  true, "portrait4.bmp",  "True",  "True"},
    };
    platform::RecordedMessages messages;
    platform::Settings settings(root_ / "MorvitOmenary.ini", messages);
    for (const auto& c : cases) {
        PageOptions options{c.landscape, c.centre, ""};
        CheckBoxLandscapeClick(options, settings);
        EXPECT_EQ(options.ImageSetupPrinter, c.picture);
        EXPECT_EQ(settings.Read("Options", "Landscape"), c.landscapeKey);
        EXPECT_EQ(settings.Read("Options", "CenterOnPage"), c.centreKey);
    }
    EXPECT_TRUE(messages.Entries().empty());
}

}  // namespace
}  // namespace omenary::coin
