#include "core/marriage/marriage_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/marriage/marriage_page.h"
#include "tests/fake_pictures.h"

namespace omenary::marriage {
namespace {

using omenary::testing::FakePictures;

class RecordingView final : public report::CalculationView {
  public:
    void ShowHourglass() override {}
    void RestoreCursor() override {}
    void Output(const report::Page& page, bool preview) override {
        outputs.push_back(preview ? "preview" : "print");
        dateLine = page.Caption("QRLabelcurrentdate2");
    }
    std::vector<std::string> outputs;
    std::string dateLine;
};

MarriageValues Couple(std::array<const char*, 4> parents = {"0", "0", "0", "0"}) {
    MarriageValues v;  // groom BE 2517 (1/3), bride BE 2520 (4/6)
    v.ComboBoxYearBoy1 = "1";
    v.ComboBoxYearBoy2 = "3";
    v.ComboBoxYearGirl1 = "4";
    v.ComboBoxYearGirl2 = "6";
    v.ComboBoxPorYearBoy2 = parents[0];
    v.ComboBoxMaYearBoy2 = parents[1];
    v.ComboBoxPorYearGirl2 = parents[2];
    v.ComboBoxMaYearGirl2 = parents[3];
    return v;
}

class MarriageFill : public ::testing::Test {
  protected:
    bool Run(MarriageValues& values, platform::Date today = {2004, 7, 10}) {
        return ButtonCalcOmenaryMarryClick(values, page_, today, pictures_, messages_, view_);
    }
    const std::string& Text(std::string_view name) const { return page_.Caption(name); }
    const std::string& Picture(std::string_view name) const { return page_.PictureOf(name).file; }

    report::Page page_ = MarriagePage();
    FakePictures pictures_;
    platform::RecordedMessages messages_;
    RecordingView view_;
};

const char* const kParentCells[] = {"QRImageRSLporchild", "QRImageRSLmachild",       "QRImageRSLpor",
                                    "QRImageRSLma",       "QRImageRSLporchildchong", "QRImageRSLmachildchong",
                                    "QRImageRSLporchong", "QRImageRSLmachong"};

TEST_F(MarriageFill, NoParentShowsTheNoParentPictureAndNoTextInAllEightCells) {
    MarriageValues v = Couple();
    ASSERT_TRUE(Run(v));
    for (const char* cell : kParentCells) {
        EXPECT_EQ(Picture(cell), "BS0.BMP") << cell;
        EXPECT_EQ(Text(CellOf(cell).text), "") << cell;
    }
}

TEST_F(MarriageFill, EnteredParentsAndThePersonsFillTheirCellsByTheCellRule) {
    MarriageValues v = Couple({"1", "4", "5", "8"});
    ASSERT_TRUE(Run(v));
    const std::tuple<const char*, const char*, const char*> cells[] = {
        {      "QRImageRSLporchild",  "B1.BMP",  "/1"},
        {       "QRImageRSLmachild",  "B4.BMP",  "/4"},
        {           "QRImageRSLpor",  "B5.BMP",  "/5"},
        {            "QRImageRSLma",  "B8.BMP",  "/8"},
        { "QRImageRSLporchildchong",  "B7.BMP",  "/7"},
        {  "QRImageRSLmachildchong", "B10.BMP", "/10"},
        {      "QRImageRSLporchong", "B11.BMP", "/11"},
        {       "QRImageRSLmachong",  "B2.BMP",  "/2"},
        {              "QRImageRSB",  "O4.BMP",  "/4"},
        {         "QRImageRSBchild",  "O1.BMP",  "/1"},
        {              "QRImageRSL",  "B6.BMP",  "/6"},
        {         "QRImageRSLchild",  "B3.BMP",  "/3"},
        {    "QRImageRSLchildchong",  "B9.BMP",  "/9"},
        {         "QRImageRSLchong", "B12.BMP", "/12"},
        {     "QRImage_numnengkeng",  "B3.BMP",  "/3"},
        {"QRImage_numnengkengchong",  "B9.BMP",  "/9"},
        {       "QRImage_dornchok1",  "B5.BMP",  "/5"},
        {       "QRImage_dornlarp2", "B10.BMP", "/10"},
        {     "QRImage_yarmzingbud",  "B9.BMP",  "/9"},
        {              "QRImagepnb", "B12.BMP", "/12"},
        {              "QRImagepns",  "B6.BMP",  "/6"},
        {   "QRImagetisolsiljorbol",  "B6.BMP",  "/6"},
        {   "QRImagetisolsiljorsol", "B11.BMP", "/11"},
    };
    for (const auto& [cell, picture, text] : cells) {
        EXPECT_EQ(Picture(cell), picture) << cell;
        EXPECT_EQ(Text(CellOf(cell).text), text) << cell;
    }
    EXPECT_EQ(Text("QRLabeltsb"), "/6");
    EXPECT_EQ(Text("QRLabeltss"), "/11");
}

TEST_F(MarriageFill, UsableSlotsShowTheirCodesAndTheRestBlank) {
    MarriageValues v = Couple();
    ASSERT_TRUE(Run(v));
    // The page's own fill of the calculated lists: ten hours, three months.
    EXPECT_EQ(Picture("QRImageraseeyam9"), "B10.BMP");
    EXPECT_EQ(Text("QRLabelraseeyam10"), "/11");
    EXPECT_EQ(Picture("QRImageraseedeang3"), "B10.BMP");
    EXPECT_EQ(Picture("QRImageraseedeang4"), "OS0.BMP");

    // Seven codes in the day list: slots 1 to 7 filled, 8 to 10 blank.
    v.Labelusedraseeone = {"1", "2", "3", "5", "7", "9", "12", "", "", "", "", ""};
    ASSERT_TRUE(ButtonPrintMarryOmenaryClick(v, page_, {2004, 7, 10}, pictures_, messages_, view_));
    for (int slot = 1; slot <= 10; ++slot) {
        const UsableCellNames cell = UsableCell(UsableColumn::Day, slot);
        const std::string& code = v.Labelusedraseeone[static_cast<std::size_t>(slot - 1)];
        EXPECT_EQ(Picture(cell.picture), code.empty() ? "OS0.BMP" : "B" + code + ".BMP") << slot;
        EXPECT_EQ(Text(cell.text), code.empty() ? "" : "/" + code) << slot;
    }
}

TEST_F(MarriageFill, ElevenOrTwelveCodesShowTheFirstTen) {
    MarriageValues v = Couple();
    v.Labelusedraseepee = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    ASSERT_TRUE(ButtonPrintMarryOmenaryClick(v, page_, {2004, 7, 10}, pictures_, messages_, view_));
    EXPECT_EQ(Picture("QRImageraseepee10"), "B10.BMP");
    EXPECT_FALSE(page_.Has("QRImageraseepee11"));
    EXPECT_EQ(v.Labelusedraseepee[11], "12");
}

TEST_F(MarriageFill, GregorianAndBuddhistDatesGiveTheSameDateYearsAndNobleBranches) {
    for (const platform::Date today : {
             platform::Date{2004, 7, 10},
             platform::Date{2547, 7, 10}
    }) {
        MarriageValues v = Couple();
        ASSERT_TRUE(Run(v, today));
        EXPECT_EQ(Text("QRLabelcurrentdate2"), "วันที่ 10/07/2547");
        EXPECT_EQ(Text("QRLabelYearNow"), "2547");
        EXPECT_EQ(Text("QRLabelYearNext"), "2548");
        // Stem of 2547 is 1 (noble 2 and 8), of 2548 is 2 (noble 1 and 9).
        EXPECT_EQ(Picture("QRImagetangeigjueninglang1"), "B2.BMP");
        EXPECT_EQ(Picture("QRImagetangeigjueninglang2"), "B8.BMP");
        EXPECT_EQ(Picture("QRImagetangeigjueninglangnext1"), "B1.BMP");
        EXPECT_EQ(Picture("QRImagetangeigjueninglangnext2"), "B9.BMP");
    }
}

TEST_F(MarriageFill, TheLonelyBoxUsesLowerCaseNames) {
    MarriageValues v = Couple();
    ASSERT_TRUE(Run(v));
    EXPECT_EQ(Picture("QRImagekozing"), "B6.bmp");   // groom's branch 3
    EXPECT_EQ(Picture("QRImagekozoung"), "B5.bmp");  // bride's branch 6
}

TEST_F(MarriageFill, ThePreviewBoxChoosesPreviewOrPrint) {
    MarriageValues v = Couple();
    ASSERT_TRUE(Run(v));
    v.CheckBoxPagePreview2 = false;
    ASSERT_TRUE(Run(v));
    EXPECT_EQ(view_.outputs, (std::vector<std::string>{"preview", "print"}));
    EXPECT_EQ(view_.dateLine, "วันที่ 10/07/2547");
}

TEST_F(MarriageFill, AMissingPictureStopsTheFillWithItsNameAndNothingIsOutput) {
    for (const char* missing :
         {"B12.BMP", "OS0.BMP", "BS0.BMP", "O4.BMP", "B5.bmp", "VS9.bmp", "cross.bmp"}) {
        pictures_.SetMissing({missing});
        messages_ = platform::RecordedMessages();
        MarriageValues v = Couple();
        EXPECT_FALSE(Run(v)) << missing;
        ASSERT_EQ(messages_.Texts().size(), 1u) << missing;
        EXPECT_NE(messages_.Texts()[0].find(missing), std::string::npos) << messages_.Texts()[0];
        // The calculation's values are stored all the same.
        EXPECT_EQ(v.LabelRSLchong, "12");
    }
    EXPECT_TRUE(view_.outputs.empty());
}

TEST_F(MarriageFill, EveryVariableElementIsSetSoNothingOfAnEarlierReportRemains) {
    MarriageValues first = Couple({"1", "4", "5", "8"});
    ASSERT_TRUE(Run(first));
    MarriageValues second = Couple();
    ASSERT_TRUE(Run(second));
    report::Page fresh = MarriagePage();
    fresh.LoadDesignPictures(pictures_);
    FillMarriagePage(fresh, second, {2004, 7, 10}, pictures_);
    for (const report::Element& element : fresh.Elements()) {
        if (element.Kind() == report::ElementKind::Text) {
            EXPECT_EQ(page_.Caption(element.name), fresh.Caption(element.name)) << element.name;
        } else if (element.Kind() == report::ElementKind::Picture) {
            EXPECT_EQ(page_.PictureOf(element.name).file, fresh.PictureOf(element.name).file) << element.name;
        }
    }
}

}  // namespace
}  // namespace omenary::marriage
