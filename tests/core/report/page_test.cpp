#include "core/report/page.h"

#include <gtest/gtest.h>

#include <map>

namespace omenary::report {
namespace {

using platform::PictureLookup;
using platform::PictureStatus;

// Pictures by name, as a folder would hold them; anything else is missing.
class FakePictures final : public platform::PictureFiles {
  public:
    std::map<std::string, PictureLookup> files;
    mutable std::vector<std::string> asked;

    PictureLookup Load(std::string_view name) const override {
        asked.emplace_back(name);
        const auto found = files.find(std::string(name));
        return found == files.end() ? PictureLookup{} : found->second;
    }
    const std::filesystem::path& Folder() const override { return folder_; }

  private:
    std::filesystem::path folder_ = "/data";
};

// Every caption is 7 units per byte wide and 20 high, so boxes are easy to predict.
class FixedMetrics final : public TextMetrics {
  public:
    Box Measure(const Font&, std::string_view caption) const override {
        return {0, 0, static_cast<int>(caption.size()) * 7, 20};
    }
};

Page SamplePage() {
    Page page(718, 295);
    page.AddText("QRLabelLine1", {3, 4, 0, 0}, "1.", Font{});
    page.AddFixedText("QRLabelyearstar1", {54, 767, 22, 25}, "5", Font{.points = 14, .bold = true},
                      Alignment::Centre, true);
    page.AddPicture("QRImageCanuse1", {164, 551, 16, 17}, true);
    page.AddPicture("QRImageCanusenumber1", {166, 573, 17, 17}, false);
    page.AddPicture("QRImageLogo", {0, 0, 109, 90}, false, "logo.bmp");
    page.AddShape("QRShape15", {2, 1017, 715, 7}, ShapeKind::HorizontalLine, Colour::DarkGray);
    return page;
}

PictureLookup Found(const char* file, int width, int height) {
    return {PictureStatus::Loaded, file, width, height};
}

TEST(Page, CaptionsAndFontColoursAreSetAndReadBackByName) {
    Page page = SamplePage();
    EXPECT_EQ(page.Caption("QRLabelyearstar1"), "5");
    page.SetCaption("QRLabelyearstar1", "9");
    page.SetFontColour("QRLabelyearstar1", Colour::Red);
    EXPECT_EQ(page.Caption("QRLabelyearstar1"), "9");
    EXPECT_EQ(page.FontColour("QRLabelyearstar1"), Colour::Red);
    page.SetCaption("QRLabelLine1", "");
    EXPECT_EQ(page.Caption("QRLabelLine1"), "");
    // Other elements keep what they had.
    EXPECT_EQ(page.FontColour("QRLabelLine1"), Colour::Black);
}

TEST(Page, ElementsKeepTheOrderTheyWereAddedInAndANameOnce) {
    Page page = SamplePage();
    std::vector<std::string> names;
    for (const Element& element : page.Elements())
        names.push_back(element.name);
    EXPECT_EQ(names, (std::vector<std::string>{"QRLabelLine1", "QRLabelyearstar1", "QRImageCanuse1",
                                               "QRImageCanusenumber1", "QRImageLogo", "QRShape15"}));
    EXPECT_THROW(page.AddText("QRLabelLine1", {}, "", Font{}), std::logic_error);
}

TEST(Page, UnknownNamesAndWrongKindsAreProgrammingErrors) {
    Page page = SamplePage();
    EXPECT_THROW(page.SetCaption("QRLabelNoSuch", "x"), std::out_of_range);
    EXPECT_THROW(page.SetCaption("QRImageCanuse1", "x"), std::bad_variant_access);
    FakePictures pictures;
    EXPECT_THROW(page.LoadPicture("QRLabelLine1", "BS1.BMP", pictures), std::bad_variant_access);
}

TEST(Page, MovingAnElementKeepsItsSizeAndMayLeaveTheBand) {
    Page page = SamplePage();
    page.Move("QRLabelLine1", 542, 223);
    page.Move("QRImageCanuse1", 924, 220);
    EXPECT_EQ(page.Get("QRLabelLine1").box, (Box{542, 223, 0, 0}));
    EXPECT_EQ(page.Get("QRImageCanuse1").box, (Box{924, 220, 16, 17}));
}

TEST(Page, ALoadedSlotKeepsTheNameAsBuiltTheFileFoundAndTheBitmapSize) {
    Page page = SamplePage();
    FakePictures pictures;
    pictures.files["BS7.BMP"] = Found("/data/BS7.bmp", 64, 68);
    pictures.files["os0.bmp"] = Found("/data/OS0.BMP", 17, 17);
    page.LoadPicture("QRImageCanuse1", "BS7.BMP", pictures);
    page.LoadPicture("QRImageCanusenumber1", "os0.bmp", pictures);
    const Picture& branch = page.PictureOf("QRImageCanuse1");
    EXPECT_EQ(branch.file, "BS7.BMP");
    EXPECT_EQ(branch.resolved, "/data/BS7.bmp");
    EXPECT_EQ(branch.bitmapWidth, 64);
    EXPECT_EQ(page.PictureOf("QRImageCanusenumber1").file, "os0.bmp");
    EXPECT_EQ(page.PictureOf("QRImageCanusenumber1").resolved, "/data/OS0.BMP");
}

// A stretched slot keeps its box, a sized-to-picture slot takes the bitmap's size from its corner
// (a larger number bitmap grows right and down), an autosize text its caption's size.
TEST(Page, FinalBoxesFollowTheKindOfEachElement) {
    Page page = SamplePage();
    FakePictures pictures;
    pictures.files["BS7.BMP"] = Found("/data/BS7.bmp", 64, 68);
    pictures.files["N12.BMP"] = Found("/data/N12.bmp", 24, 19);
    const FixedMetrics metrics;
    EXPECT_EQ(page.FinalBox(page.Get("QRImageCanusenumber1"), metrics), (Box{166, 573, 17, 17}));
    page.LoadPicture("QRImageCanuse1", "BS7.BMP", pictures);
    page.LoadPicture("QRImageCanusenumber1", "N12.BMP", pictures);
    page.SetCaption("QRLabelLine1", "abcd");
    const struct {
        const char* name;
        Box box;
    } expected[] = {
        {      "QRImageCanuse1", {164, 551, 16, 17}},
        {"QRImageCanusenumber1", {166, 573, 24, 19}},
        {        "QRLabelLine1",     {3, 4, 28, 20}},
        {    "QRLabelyearstar1",  {54, 767, 22, 25}},
        {           "QRShape15",  {2, 1017, 715, 7}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(page.FinalBox(page.Get(e.name), metrics), e.box) << e.name;
}

TEST(Page, AFailedLoadThrowsWithTheFileAndLeavesTheSlotAsItWas) {
    Page page = SamplePage();
    FakePictures pictures;
    pictures.files["BS7.BMP"] = Found("/data/BS7.bmp", 64, 68);
    pictures.files["ok.BMP"] = {PictureStatus::Undecodable, "/data/ok.BMP", 0, 0};
    page.LoadPicture("QRImageCanuse1", "BS7.BMP", pictures);
    for (const char* file : {"BS.BMP", "ok.BMP"}) {
        try {
            page.LoadPicture("QRImageCanuse1", file, pictures);
            ADD_FAILURE() << file << " loaded";
        } catch (const PictureNotLoaded& failure) {
            EXPECT_EQ(failure.File(), file);
            EXPECT_NE(std::string(failure.what()).find(file), std::string::npos) << failure.what();
        }
        EXPECT_EQ(page.PictureOf("QRImageCanuse1").file, "BS7.BMP");
    }
}

TEST(Page, MessagesNameTheFileAndSayWhetherItIsMissingOrBroken) {
    const std::string missing = PictureNotLoadedMessage("BS.BMP", PictureStatus::Missing, "/home/u/data");
    const std::string broken = PictureNotLoadedMessage("ok.BMP", PictureStatus::Undecodable, "/home/u/data");
    EXPECT_EQ(missing, "ไม่พบไฟล์รูปภาพ \"BS.BMP\" ในโฟลเดอร์ /home/u/data");
    EXPECT_EQ(broken, "เปิดไฟล์รูปภาพ \"ok.BMP\" ไม่ได้ ไฟล์เสียหรือไม่ใช่รูปภาพ");
}

// One failed load ends the fill: the steps after it do not run, one message names the file, and the
// caller learns not to preview or print.
TEST(Page, FillOrReportStopsAtTheFirstFailedPictureWithOneMessage) {
    Page page = SamplePage();
    FakePictures pictures;
    pictures.files["os0.bmp"] = Found("/data/os0.bmp", 17, 17);
    platform::RecordedMessages messages;
    bool laterStepRan = false;
    const bool completed = FillOrReport(messages, [&] {
        page.LoadPicture("QRImageCanuse1", "os0.bmp", pictures);
        page.LoadPicture("QRImageCanusenumber1", "N7.BMP", pictures);
        laterStepRan = true;
    });
    EXPECT_FALSE(completed);
    EXPECT_FALSE(laterStepRan);
    ASSERT_EQ(messages.Entries().size(), 1u);
    EXPECT_EQ(messages.Entries()[0].icon, platform::MessageIcon::Error);
    EXPECT_NE(messages.Entries()[0].text.find("\"N7.BMP\""), std::string::npos);
    // What was set before the failure stays.
    EXPECT_EQ(page.PictureOf("QRImageCanuse1").file, "os0.bmp");

    platform::RecordedMessages quiet;
    EXPECT_TRUE(FillOrReport(quiet, [&] { page.LoadPicture("QRImageCanuse1", "os0.bmp", pictures); }));
    EXPECT_TRUE(quiet.Entries().empty());
}

TEST(Page, DesignPicturesAreLoadedWithThePage) {
    Page page = SamplePage();
    FakePictures pictures;
    EXPECT_THROW(page.LoadDesignPictures(pictures), PictureNotLoaded);
    pictures.files["logo.bmp"] = Found("/data/logo.bmp", 109, 90);
    page.LoadDesignPictures(pictures);
    EXPECT_EQ(page.PictureOf("QRImageLogo").file, "logo.bmp");
    EXPECT_EQ(page.PictureOf("QRImageCanuse1").file, "");  // filled slots start empty
}

TEST(Colours, NamesAreLowerCaseEnglishAndOnePerColour) {
    const struct {
        Colour colour;
        const char* name;
        std::uint32_t rgb;
    } expected[] = {
        {   Colour::Black,    "black", 0x000000},
        {     Colour::Red,      "red", 0xFF0000},
        {    Colour::Blue,     "blue", 0x0000FF},
        { Colour::Fuchsia,  "fuchsia", 0xFF00FF},
        {  Colour::Maroon,   "maroon", 0x800000},
        {Colour::DarkGray, "darkgray", 0x808080},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(ColourName(e.colour), e.name);
        EXPECT_EQ(ColourRgb(e.colour), e.rgb) << e.name;
    }
    for (const ColourInfo& a : kColours)
        for (const ColourInfo& b : kColours)
            if (&a != &b) {
                EXPECT_NE(a.name, b.name);
            }
}

}  // namespace
}  // namespace omenary::report
