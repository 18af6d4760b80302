#include "core/general/general_fill.h"

#include <gtest/gtest.h>

#include <set>

#include "core/general/calculation.h"
#include "core/general/general_page.h"
#include "core/general/tab_handlers.h"
#include "tests/fake_pictures.h"

namespace omenary::general {
namespace {

using omenary::testing::FakePictures;

class RecordingView final : public report::CalculationView {
  public:
    void ShowHourglass() override { events.push_back("hourglass"); }
    void RestoreCursor() override { events.push_back("cursor"); }
    void Output(const report::Page& page, bool preview) override {
        events.push_back(preview ? "preview" : "print");
        personRow = page.Caption("QRLabelperson1");
    }
    std::vector<std::string> events;
    std::string personRow;
};

struct Inputs {
    const char* back = "0";
    const char* prominent = nullptr;  // copied from above when not given
    const char* perform = nullptr;
    const char* person1 = "01 = ชวด";
    const char* person2 = "(ไม่มี)";
    const char* year = "2547";
};

GeneralValues Entered(const Inputs& in) {
    GeneralValues values;
    values.ComboBoxBudhaYearProcess = in.year;
    DeriveYearOfWorkValues(values);
    const std::pair<Aspect, const char*> directions[] = {
        {Aspect::BackOfHome,      in.back},
        { Aspect::Prominent, in.prominent},
        {   Aspect::Perform,   in.perform}
    };
    for (const auto& [aspect, degree] : directions) {
        if (degree == nullptr) continue;
        values[aspect].Editaspect = degree;
        EditaspectExit(values, aspect);
    }
    values.ComboBoxperson1 = in.person1;
    values.ComboBoxperson2 = in.person2;
    return values;
}

class Fill : public ::testing::Test {
  protected:
    // The calculate button's whole run on the page, as the window runs it.
    bool Run(GeneralValues& values, platform::Date today = {2547, 3, 15},
             const FakePictures& pictures = FakePictures()) {
        return ButtoncalculateomenaryClick(values, page_, today, pictures, messages_, view_);
    }
    const std::string& Text(const std::string& name) const { return page_.Caption(name); }
    const std::string& Picture(const std::string& name) const { return page_.PictureOf(name).file; }

    report::Page page_ = GeneralPage();
    platform::RecordedMessages messages_;
    RecordingView view_;
};

TEST_F(Fill, NorthForEveryDirectionWithPersonRat) {
    GeneralValues values = Entered({});
    ASSERT_TRUE(Run(values));
    EXPECT_EQ(view_.events, (std::vector<std::string>{"hourglass", "cursor", "preview"}));
    // The page is output while the person list holds the bare name; the item comes back afterwards.
    EXPECT_EQ(view_.personRow, "ชวด");
    EXPECT_EQ(values.ComboBoxperson1, "01 = ชวด");

    EXPECT_EQ(Text("QRLabelaspectbackofhome"), "0");
    EXPECT_EQ(Text("QRLabelperson2"), "(ไม่มี)");
    EXPECT_EQ(Text("QRLabelYearProcess"), "วอก");
    const BranchCellNames branch = AspectCell(0, 1, CellColumn::Branch);
    EXPECT_EQ(Text(branch.mark), "/");
    EXPECT_EQ(Picture(branch.picture), "BS1.BMP");
    EXPECT_EQ(Picture(branch.number), "N1.BMP");
    EXPECT_EQ(Picture(AspectCell(2, 1, CellColumn::EvilTreasury).picture), "BS11.BMP");
    // No second branch: the second row stays blank and the tilt captions are empty.
    EXPECT_EQ(Text(AspectCell(0, 2, CellColumn::Branch).mark), "");
    EXPECT_EQ(Picture(AspectCell(0, 2, CellColumn::Branch).picture), "os0.bmp");
    EXPECT_EQ(Text("QRLabelPrev1"), "");
    EXPECT_EQ(Text("QRLabelBack1"), "");
    // Person 1 with its notes; the absent person 2 shows nothing.
    EXPECT_EQ(Picture(PersonCell(1, CellColumn::EvilMeans).picture), "BS8.BMP");
    EXPECT_EQ(Text("QRLabelperson1note"), "อสูรบุคคล - จะเกิดเรื่องวุ่นวาย");
    EXPECT_EQ(Text("QRLabelperson1note2"), "* หากจำเป็น สามารถใช้ได้ *");
    EXPECT_EQ(Text(PersonCell(2, CellColumn::Branch).mark), "");
    EXPECT_EQ(Picture(PersonCell(2, CellColumn::Branch).picture), "os0.bmp");
    EXPECT_EQ(Picture(YearCell(CellColumn::Clash).picture), "BS3.BMP");

    // Usable 1 2 4 5 6 8 9 10 12, unusable 3 7 11.
    const char* usable[] = {"1", "2", "4", "5", "6", "8", "9", "10", "12"};
    for (int i = 1; i <= 12; ++i) {
        const std::string n = std::to_string(i);
        const std::string expected = i <= 9 ? "BS" + std::string(usable[i - 1]) + ".BMP" : "OS0.BMP";
        EXPECT_EQ(Picture("QRImageCanuse" + n), expected) << i;
        EXPECT_EQ(Text("QRLabelCodeCanuse" + n), i <= 9 ? "/" : "") << i;
        EXPECT_EQ(Picture("QRImageCannotusenumber" + n), i <= 3 ? "N" +
                                                                      std::string(i == 1   ? "3"
                                                                                  : i == 2 ? "7"
                                                                                           : "11") +
                                                                      ".BMP"
                                                                : "OS0.BMP");
    }
    EXPECT_EQ(Text("QRLabelUseOmenary4Tid"), "");
    // Person 1's evil return treasury, 8, is usable: its slot (6) carries the star.
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(Text("QRLabelStar" + std::to_string(i)), i == 6 ? "*" : "") << i;

    // Earth around north: stages from branch 9; stage 12 is branch 8, the treasury, usable: a star.
    EXPECT_EQ(Text("QRLabelUniversalElement"), "ดิน");
    EXPECT_EQ(Picture("QRImageUniversalElement"), "ground.bmp");
    EXPECT_EQ(Picture("QRImageCC1"), "BS9.BMP");
    EXPECT_EQ(Picture("QRImageCC5"), "BS1.BMP");
    EXPECT_EQ(Picture("QRImageCCyn2"), "ok.BMP");  // 10 usable
    EXPECT_EQ(Picture("QRImageCCyn3"), "no.BMP");  // 11 unusable
    EXPECT_EQ(Picture("QRImageCCyn12"), "OS0.bmp");
    EXPECT_EQ(Text("QRLabelStarC12"), "*");

    EXPECT_EQ(Text("QRLabelTidTodToy"), "*** ทิศกระทำการเป็นทิศถดถอย ***");
    EXPECT_EQ(Text("QRLabelcurrentdate"), "วันที่ 15/03/2547");
    EXPECT_EQ(Text("QRLabelnumberyearstar"), "ดาวปีจร 2547");
    EXPECT_EQ(Text("QRLabelmonthnamestarcurrent"), "มีนาคม");
    EXPECT_EQ(Text("QRLabelmonthstarcurrent"), "1");
    EXPECT_EQ(Text("QRLabelmonthnamestarcurrentnext3"), "มิถุนายน");
    EXPECT_EQ(Text("QRLabelmonthstarcurrentnext3"), "7");
    EXPECT_EQ(Picture("QRImagetangeigjueninglang1"), "BS2.BMP");
    EXPECT_EQ(Picture("QRImagetangeigjueninglang2"), "BS8.BMP");
}

TEST_F(Fill, TiltedFirstRowsAreBlankedInsideTheWideZonesOnly) {
    struct Case {
        const char* degree;
        bool blanked;
        bool secondRow;
    };
    const Case cases[] = {
        {  "135", false,  true},
        {  "136",  true,  true},
        {"142.5",  true,  true},
        {"315.5", false,  true},
        {"315.6",  true,  true},
        {"322.5",  true,  true},
        {"322.6", false, false},
        {"142.6", false, false}
    };
    for (const Case& c : cases) {
        GeneralValues values = Entered({.back = "90", .perform = c.degree});
        ASSERT_TRUE(Run(values)) << c.degree;
        const BranchCellNames branch = AspectCell(2, 1, CellColumn::Branch);
        const BranchCellNames clash = AspectCell(2, 1, CellColumn::Clash);
        const BranchCellNames means = AspectCell(2, 1, CellColumn::EvilMeans);
        EXPECT_EQ(Text(branch.mark), c.blanked ? "" : "/") << c.degree;
        EXPECT_EQ(Picture(branch.picture) == "os0.bmp", c.blanked) << c.degree;
        EXPECT_EQ(Picture(clash.number) == "os0.bmp", c.blanked) << c.degree;
        EXPECT_EQ(Text(means.mark), "/") << c.degree;
        EXPECT_EQ(Text(AspectCell(2, 2, CellColumn::Branch).mark), c.secondRow ? "/" : "") << c.degree;
        const bool captions = c.secondRow && !c.blanked;
        EXPECT_EQ(Text("QRLabelPrev3"), captions ? "เอียงถอย" : "") << c.degree;
        EXPECT_EQ(Text("QRLabelBack3"), captions ? "เอียงหน้า" : "") << c.degree;
        // The directions above are untouched.
        EXPECT_EQ(Text(AspectCell(0, 1, CellColumn::Branch).mark), "/") << c.degree;
    }
}

TEST_F(Fill, CompassPicturesTakeTheFirstRangeThatHoldsTheDegree) {
    struct Case {
        const char* degree;
        const char* picture;
    };
    const Case cases[] = {
        {  "7.5",  "BS0.bmp"},
        { "22.5", "OS10.bmp"},
        {"337.5",  "BS0.bmp"},
        {"352.5",  "BS0.bmp"},
        {    "0",  "BS0.bmp"},
        {   "45",  "C45.bmp"},
        {   "75",  "OS1.bmp"},
        {  "140", "C135.bmp"},
        {  "255",  "OS7.bmp"},
        {  "345",  "OS9.bmp"},
        {"359.9",  "BS0.bmp"},
        {"322.5", "C315.bmp"}
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompassPictureOfDegree(c.degree), c.picture) << c.degree;
        GeneralValues values = Entered({.back = c.degree});
        ASSERT_TRUE(Run(values));
        EXPECT_EQ(Picture("QRImageaspectprominent"), c.picture) << c.degree;
    }
}

TEST_F(Fill, AnEmptyUsableListShowsTheNoticeAnEmptyForbiddenListNothing) {
    GeneralValues values = Entered({});
    ASSERT_TRUE(Run(values));
    for (std::size_t i = 0; i < 12; ++i) {
        values.Labelcanused[i] = "labelcanused" + std::to_string(i + 1);
        values.Labelcannotused[i] =
            i == 0 ? "Labelcannotused1" : std::to_string(i);  // a capital L is free too
    }
    values.Labelcanused[3] = "Labelcanused4";
    FillGeneralPage(page_, values, {2547, 3, 15}, FakePictures());
    EXPECT_EQ(Text("QRLabelUseOmenary4Tid"), "ไม่มี   *** ให้ใช้ฤกษ์ 4 ทิศ ( ฤกษ์ปลอดภัย )  แทน ***");
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(Picture("QRImageCanuse" + std::to_string(i)), "OS0.BMP");
    EXPECT_EQ(Picture("QRImageCannotuse1"), "OS0.BMP");
    EXPECT_EQ(Picture("QRImageCannotuse2"), "BS1.BMP");

    for (std::size_t i = 0; i < 12; ++i)
        values.Labelcanused[i] = std::to_string(i + 1);
    for (std::size_t i = 0; i < 12; ++i)
        values.Labelcannotused[i] = "labelcannotused" + std::to_string(i + 1);
    FillGeneralPage(page_, values, {2547, 3, 15}, FakePictures());
    EXPECT_EQ(Text("QRLabelUseOmenary4Tid"), "");
    EXPECT_EQ(Text("QRLabelCodeCannotuse1"), "");
}

TEST_F(Fill, YearStarGridsAndTheirFiveYellowWindows) {
    struct Case {
        const char* star;
        const char* cells;  // cells 1 ... 9
        int red;            // the cell that reads 5
        const char* direction;
        std::vector<std::pair<const char*, bool>> warnings;  // perform degree, warning shown
    };
    const Case cases[] = {
        {"1","123456789", 5,"180",                             {{"157.5", false}, {"157.6", true}, {"202.5", true}, {"202.6", false}}                             },
        {"5", "567891234", 1, "Center",                                                   {{"0", false}, {"180", false}, {"359.9", false}}},
        {"6", "678912345", 9,    "135",                             {{"112.5", false}, {"112.6", true}, {"157.5", true}, {"157.6", false}}},
        {"9",
         "912345678", 6,
         "0", {{"337.5", false}, {"337.6", true}, {"359.9", true}, {"0", true}, {"22.4", true}, {"22.5", false}}                          },
    };
    for (const Case& c : cases) {
        for (const auto& [degree, shown] : c.warnings) {
            GeneralValues values = Entered({.back = degree});
            CalculateGeneralOmenary(values, 3);
            values.Labelyearstar = c.star;
            FillGeneralPage(page_, values, {2547, 3, 15}, FakePictures());
            for (int cell = 1; cell <= 9; ++cell) {
                const std::string name = "QRLabelyearstar" + std::to_string(cell);
                EXPECT_EQ(Text(name), std::string(1, c.cells[cell - 1])) << c.star << " cell " << cell;
                EXPECT_EQ(page_.FontColour(name), cell == c.red ? report::Colour::Red : report::Colour::Black)
                    << c.star << " cell " << cell;
            }
            EXPECT_EQ(values.Labelwarning5, c.direction) << c.star;
            EXPECT_EQ(Text("QRLabelwarning5").empty(), !shown) << c.star << " at " << degree;
        }
    }
}

TEST_F(Fill, OnlyTheFirstStatusInThePrecedenceIsPrinted) {
    struct Case {
        std::array<const char*, 3> statuses;  // back, prominent, perform
        const char* declining;
        const char* line;
    };
    const Case cases[] = {
        {                                                                 {"", "", "เป็นทิศอสูร"}, "เป็นทิศถดถอย", "*** ทิศกระทำการเป็นทิศอสูร, ทิศกระทำการเป็นทิศถดถอย ***"},
        {                                                                                                  {"", "", ""}, "เป็นทิศถดถอย",                                                                     "*** ทิศกระทำการเป็นทิศถดถอย ***"},
        {                                                        {"เป็นทิศแตกสลาย", "", ""},                                     "",                                                               "*** ทิศหลังบ้านเป็นทิศแตกสลาย ***"},
        {                       {"เป็นทิศแตกสลาย", "เป็นทิศอสูร", ""},                                     "",                                                                              "*** ทิศประธานเป็นทิศอสูร ***"},
        {{"เป็นทิศแตกสลาย", "", "เป็นทิศแตกสลาย, อสูร"},                                     "",                                                 "*** ทิศกระทำการเป็นทิศแตกสลาย, อสูร ***"},
        {                                                                                                  {"", "", ""},                                     "",                                                                                                                                                  ""},
    };
    for (const Case& c : cases) {
        GeneralValues values = Entered({.back = "100"});
        CalculateGeneralOmenary(values, 3);
        for (std::size_t a = 0; a < 3; ++a)
            values.aspects[a].Labelaspectstatus = c.statuses[a];
        values[Aspect::Perform].LabelTidTodToy = c.declining;
        FillGeneralPage(page_, values, {2547, 3, 15}, FakePictures());
        EXPECT_EQ(Text("QRLabelTidTodToy"), c.line);
        EXPECT_EQ(Text("QRLabelaspectprominentstatus"), c.statuses[1]);
    }
}

TEST_F(Fill, TheDateLineCountsBuddhistEraYearsFromEitherCalendar) {
    EXPECT_EQ(report::DateLine({2024, 3, 5}), "วันที่ 05/03/2567");
    EXPECT_EQ(report::DateLine({2567, 3, 5}), "วันที่ 05/03/2567");
    EXPECT_EQ(report::DateLine({2004, 12, 31}), "วันที่ 31/12/2547");
}

TEST_F(Fill, PersonRowsPrintBareNamesAndStarsFollowTheTreasuryBranches) {
    // Person 1 มะโรง (treasury 8), person 2 ขาล (treasury 2).
    GeneralValues values = Entered({.back = "100", .person1 = "05 = มะโรง", .person2 = "03 = ขาล"});
    ASSERT_TRUE(Run(values));
    EXPECT_EQ(Text("QRLabelperson1"), "มะโรง");
    EXPECT_EQ(Text("QRLabelperson2"), "ขาล");
    EXPECT_EQ(values.ComboBoxperson2, "03 = ขาล");
    for (std::size_t i = 0; i < 12; ++i) {
        const std::string& slot = values.Labelcanused[i];
        const bool star = slot == "8" || slot == "2";
        EXPECT_EQ(Text("QRLabelStar" + std::to_string(i + 1)), star ? "*" : "") << slot;
    }
    // A treasury branch that is not usable keeps its ok/no mark.
    for (int stage = 1; stage <= 12; ++stage) {
        const std::string n = std::to_string(stage);
        if (Text("QRLabelStarC" + n) == "*")
            EXPECT_EQ(Picture("QRImageCCyn" + n), "OS0.bmp");
        else
            EXPECT_NE(Picture("QRImageCCyn" + n), "OS0.bmp");
    }
}

TEST_F(Fill, AMissingPictureStopsTheFillAndNothingIsOutput) {
    GeneralValues values = Entered({});
    ASSERT_FALSE(Run(values, {2547, 3, 15}, FakePictures({"N8.BMP"})));
    EXPECT_EQ(view_.events, (std::vector<std::string>{"hourglass", "cursor"}));
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_NE(messages_.Texts()[0].find("\"N8.BMP\""), std::string::npos);
    EXPECT_EQ(values.ComboBoxperson1, "01 = ชวด");  // the list item is back even after a failure
}

TEST_F(Fill, ASecondRunWithTheSameInputsGivesTheSamePage) {
    GeneralValues values = Entered({.back = "140", .person2 = "07 = มะเมีย"});
    ASSERT_TRUE(Run(values));
    const std::vector<report::Element> first = page_.Elements();
    ASSERT_TRUE(Run(values));
    const std::vector<report::Element>& second = page_.Elements();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].box, second[i].box) << first[i].name;
        if (const auto* text = std::get_if<report::Text>(&first[i].content)) {
            EXPECT_EQ(text->caption, std::get<report::Text>(second[i].content).caption) << first[i].name;
        }
        if (const auto* picture = std::get_if<report::Picture>(&first[i].content)) {
            EXPECT_EQ(picture->file, std::get<report::Picture>(second[i].content).file) << first[i].name;
        }
    }
}

}  // namespace
}  // namespace omenary::general
