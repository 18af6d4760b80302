#include "core/shell/omenary.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

#include "core/platform/profile.h"
#include "tests/shell_fixture.h"

namespace omenary::shell {
namespace {

using Shell = omenary::testing::ShellFixture;

TEST_F(Shell, AFreshProfileGetsRunAndTheWorkingDirectoryThenRunFalseAtClose) {
    Omenary& logic = Start();
    ASSERT_EQ(logic.FormActivate(), Activation::Done);
    const platform::ProfileFile settings(SettingsPath());
    EXPECT_EQ(settings.Read("Application", "Run"), "True");
    EXPECT_EQ(settings.Read("DIR", "Current"), Working().string());
    // The options stay absent until the user first changes one.
    EXPECT_EQ(settings.Read("Options", "Landscape"), "");
    EXPECT_EQ(Read(SettingsPath()).find("Options"), std::string::npos);
    logic.FormClose();
    EXPECT_EQ(settings.Read("Application", "Run"), "False");
    EXPECT_TRUE(messages_.Entries().empty());
}

TEST_F(Shell, StoredOptionsTickTheBoxesOnlyOnExactlyTrue) {
    struct Case {
        const char* landscape;
        const char* center;
        bool landscapeTicked;
        bool centerTicked;
        const char* picture;
    };
    const Case cases[] = {
        { "True",  "True",  true,  true, "portrait4.bmp"},
        { "True", "False",  true, false, "portrait3.bmp"},
        {"False",  "True", false,  true, "portrait2.bmp"},
        { "true",  "TRUE", false, false, "portrait1.bmp"},
        {     "",      "", false, false, "portrait1.bmp"},
    };
    for (const Case& c : cases) {
        platform::ProfileFile settings(SettingsPath());
        ASSERT_TRUE(settings.Write("Options", "Landscape", c.landscape));
        ASSERT_TRUE(settings.Write("Options", "CenterOnPage", c.center));
        Omenary& logic = Start();
        logic.FormActivate();
        EXPECT_EQ(logic.coin.pageOptions.CheckBoxLandscape, c.landscapeTicked) << c.landscape;
        EXPECT_EQ(logic.coin.pageOptions.CheckBoxCenterOnPage, c.centerTicked) << c.center;
        EXPECT_EQ(logic.coin.pageOptions.ImageSetupPrinter, c.picture);
        // Ticking the first box wrote both options back; the second was read before and survives.
        if (c.landscapeTicked) {
            EXPECT_EQ(settings.Read("Options", "CenterOnPage"), c.centerTicked ? "True" : "False");
        }
        EXPECT_EQ(logic.shell.labellandscape, c.landscape);
        EXPECT_EQ(logic.shell.Labelcenteronpage, c.center);
    }
}

TEST_F(Shell, AReactivationNeverUnticksAndNeverRepeatsTheFirstStart) {
    platform::ProfileFile settings(SettingsPath());
    ASSERT_TRUE(settings.Write("Options", "Landscape", "False"));
    Omenary& logic = Start();
    logic.FormActivate();
    logic.coin.pageOptions.CheckBoxLandscape = true;  // the user ticks it while the program runs
    logic.general.ComboBoxBudhaYearProcess = "2550";
    logic.general[general::Aspect::BackOfHome].Editaspect = "90";
    logic.FormActivate();
    EXPECT_TRUE(logic.coin.pageOptions.CheckBoxLandscape);
    EXPECT_EQ(logic.coin.pageOptions.ImageSetupPrinter, "portrait3.bmp");
    EXPECT_EQ(logic.general.ComboBoxBudhaYearProcess, "2550");
    EXPECT_EQ(logic.general[general::Aspect::BackOfHome].Editaspect, "90");
    EXPECT_EQ(logic.shell.LabelFirstStart, "No");
}

TEST_F(Shell, FirstStartLoadsTheYearListsAndCopiesTheNotice) {
    Omenary& logic = Start();
    for (general::AspectValues& aspect : logic.general.aspects)
        ASSERT_FALSE(aspect.Labelaspectstatus.empty());
    ASSERT_EQ(logic.FormActivate(), Activation::Done);
    ASSERT_EQ(logic.shell.yearItems.size(), 257u);
    EXPECT_EQ(logic.shell.yearItems.front(), "2443");
    EXPECT_EQ(logic.shell.yearItems.back(), "2699");
    EXPECT_EQ(logic.shell.LabelNotice2, logic.shell.LabelNotice1);
    EXPECT_EQ(logic.shell.LabelNotice3, logic.shell.LabelNotice1);
    for (const general::AspectValues& aspect : logic.general.aspects)
        EXPECT_EQ(aspect.Labelaspectstatus, "");
    EXPECT_EQ(logic.shell.LabelFirstStart, "No");
}

TEST_F(Shell, BuddhistAndGregorianSystemDatesGiveTheSameDefaults) {
    for (const platform::Date today : {
             platform::Date{2547, 3, 15},
             platform::Date{2004, 3, 15}
    }) {
        Omenary& logic = Start(today);
        ASSERT_EQ(logic.FormActivate(), Activation::Done);
        EXPECT_EQ(logic.coin.ComboBoxYY, "2547");
        EXPECT_EQ(logic.general.ComboBoxBudhaYearProcess, "2547");
        EXPECT_EQ(logic.marriage.ComboBoxYearBoy, "2517");
        EXPECT_EQ(logic.marriage.ComboBoxYearGirl, "2517");
        EXPECT_EQ(logic.coin.ComboBoxMM, "03 = มีนาคม");
        EXPECT_EQ(logic.coin.ComboBoxDD, "15");
        const astro::YearOfWork& year = logic.general.year;
        EXPECT_EQ(year.LabelRasibonYearProcess, "1");
        EXPECT_EQ(year.LabelRasirangYearProcess, "9");
        EXPECT_EQ(year.ComboBoxYearProcess, "วอก");
        EXPECT_EQ(year.Labelchongyear, "3");
        EXPECT_EQ(year.Labelevilyeartreasury, "8");
        EXPECT_EQ(year.Labelevilyearmaster, "7");
        EXPECT_EQ(year.Labelevilyearmeans, "6");
        EXPECT_EQ(year.LabelTidTodToy, "0");
    }
}

TEST_F(Shell, FirstStartShowsTheGlyphsOfGroomAndBride) {
    Omenary& logic = Start({2004, 3, 15});
    ASSERT_EQ(logic.FormActivate(), Activation::Done);
    const marriage::MarriageValues& m = logic.marriage;
    // BE 2517: stem 1, branch 3, for both.
    for (const auto& [stem, branch, stemPicture, branchPicture, name] : {
             std::tuple{ m.ComboBoxYearBoy1,  m.ComboBoxYearBoy2,  m.ImageYearBoy1,  m.Imageyearboy2,
                        m.LabelnameYearBoy },
             std::tuple{m.ComboBoxYearGirl1, m.ComboBoxYearGirl2, m.Imageyeargirl1, m.Imageyeargirl2,
                        m.Labelnameyeargirl}
    }) {
        EXPECT_EQ(stem, "1");
        EXPECT_EQ(branch, "3");
        EXPECT_EQ(stemPicture, "OS1.bmp");
        EXPECT_EQ(branchPicture, "BS3.bmp");
        EXPECT_EQ(name, "ขาล");
    }
    EXPECT_EQ(m.ImageYearBoy1Hint, "1");
    EXPECT_EQ(m.Imageyeargirl2Hint, "3");
}

// A glyph the first start cannot show is reported once and the start goes on to its end; it never
// runs again, so no box comes back at the next activation.
TEST_F(Shell, AMissingGlyphIsReportedOnceAndTheFirstStartGoesOn) {
    pictures_.SetMissing({"BS3.bmp"});  // groom and bride both default to BE 2517, branch 3
    Omenary& logic = Start({2004, 3, 15});
    ASSERT_EQ(logic.FormActivate(), Activation::Done);
    ASSERT_EQ(messages_.Texts().size(), 1u);
    EXPECT_NE(messages_.Texts()[0].find("\"BS3.bmp\""), std::string::npos);
    EXPECT_EQ(logic.shell.LabelFirstStart, "No");
    // Each update stops at the picture, as a user's choice would; the bride and the coin date follow.
    EXPECT_EQ(logic.marriage.ImageYearBoy1, "OS1.bmp");
    EXPECT_EQ(logic.marriage.Imageyearboy2, "");
    EXPECT_EQ(logic.marriage.ComboBoxYearGirl2, "3");
    EXPECT_EQ(logic.marriage.Imageyeargirl1, "OS1.bmp");
    EXPECT_EQ(logic.coin.ComboBoxDD, "15");
    logic.FormActivate();
    EXPECT_EQ(messages_.Texts().size(), 1u);
}

// Defaults the year lists do not hold are brought to the nearest year they do.
TEST_F(Shell, DefaultYearsOutsideTheListsAreBroughtIntoThem) {
    Write(Working() / "HOROSCOPE.INI",
          "[DATA CALENDAR]\r\n2450 -  2600   Calendar3.TXT\r\n[END OF DATA]\r\n");  // lists 2451 ... 2599
    struct Case {
        platform::Date today;
        const char* year;
        const char* birth;
        const char* yearName;
    };
    const Case cases[] = {
        {{2100, 5, 2}, "2599", "2599", "ชวด"}, // BE 2643
        {{2060, 5, 2}, "2599", "2573", "ชวด"}, // BE 2603: only the year of the work is beyond
        {{1850, 1, 1}, "2451", "2451", "วอก"}, // BE 2393: before the first year
        {{2004, 1, 1}, "2547", "2517", "วอก"},
    };
    for (const Case& c : cases) {
        Omenary& logic = Start(c.today);
        ASSERT_EQ(logic.FormActivate(), Activation::Done);
        EXPECT_EQ(logic.coin.ComboBoxYY, c.year) << c.year;
        EXPECT_EQ(logic.general.ComboBoxBudhaYearProcess, c.year);
        EXPECT_EQ(logic.general.year.ComboBoxYearProcess, c.yearName) << c.year;
        EXPECT_EQ(logic.marriage.ComboBoxYearBoy, c.birth) << c.year;
        EXPECT_EQ(logic.marriage.ComboBoxYearGirl, c.birth);
    }
}

TEST_F(Shell, AMissingOrUnusableIndexIsTheStartFailure) {
    const char* indexes[] = {
        nullptr,  // no file at all
        "",
        "[DATA CALENDAR]\r\n2442 -  2700   Calendar1.TXT\r\n",
        "[DATA CALENDAR]\r\n[END OF DATA]\r\n",
        "[DATA CALENDAR]\r\n2700 -  2442   Calendar1.TXT\r\n[END OF DATA]\r\n",
        "[DATA CALENDAR]\r\n24x2 -  2700   Calendar1.TXT\r\n[END OF DATA]\r\n",
    };
    for (const char* index : indexes) {
        std::filesystem::remove(Working() / "HOROSCOPE.INI");
        if (index != nullptr) Write(Working() / "HOROSCOPE.INI", index);
        messages_ = {};
        Omenary& logic = Start();
        EXPECT_EQ(logic.FormActivate(), Activation::StartFailed) << (index ? index : "missing");
        // The box names what was wrong where, after the fixed first line.
        EXPECT_FALSE(logic.StartFailureReason().empty());
        EXPECT_EQ(messages_.Texts(),
                  std::vector<std::string>{"โปรแกรมไม่สามารถทำงานได้\n\n" + logic.StartFailureReason()});
        EXPECT_EQ(logic.shell.LabelFirstStart, "Yes");
    }
}

TEST_F(Shell, TheIndexInTheSettingsFolderIsFoundWhenTheWorkingDirectoryHasNone) {
    std::filesystem::remove(Working() / "HOROSCOPE.INI");
    Write(Windows() / "horoscope.ini", omenary::testing::kIndex2442To2700);
    EXPECT_EQ(Start().FormActivate(), Activation::Done);
}

TEST_F(Shell, ClosingDeletesTheUpdatersBatchFileOnlyWhereTheSiblingSaysAndOnlyAFile) {
    const auto sibling = root_ / "morvit";
    std::filesystem::create_directories(sibling);
    Write(sibling / "atmorvit.bat", "echo");
    Write(sibling / "other.bat", "echo");

    Start().FormClose();  // no morvit.ini
    EXPECT_TRUE(std::filesystem::exists(sibling / "atmorvit.bat"));

    Write(Windows() / "morvit.ini", "[DIR]\r\nCDDrive=D:\\\r\n");  // no Current
    Start().FormClose();
    EXPECT_TRUE(std::filesystem::exists(sibling / "atmorvit.bat"));

    Write(Windows() / "morvit.ini", "[DIR]\r\nCurrent=" + sibling.string() + "\r\n");
    Start().FormClose();
    EXPECT_FALSE(std::filesystem::exists(sibling / "atmorvit.bat"));
    EXPECT_TRUE(std::filesystem::exists(sibling / "other.bat"));
    EXPECT_EQ(platform::ProfileFile(SettingsPath()).Read("Application", "Run"), "False");

    std::filesystem::create_directories(sibling / "atmorvit.bat" / "inside");
    Start().FormClose();
    EXPECT_TRUE(std::filesystem::exists(sibling / "atmorvit.bat" / "inside"));
}

TEST_F(Shell, ASettingsFileThatCannotBeWrittenIsReportedOnceAndTheProgramGoesOn) {
    std::filesystem::create_directories(SettingsPath());  // a folder where the file should be
    Omenary& logic = Start();
    EXPECT_EQ(logic.FormActivate(), Activation::Done);
    EXPECT_EQ(logic.shell.LabelFirstStart, "No");
    logic.FormActivate();
    logic.FormActivate();
    logic.FormClose();
    ASSERT_EQ(messages_.Entries().size(), 1u);
    EXPECT_EQ(messages_.Entries()[0].icon, platform::MessageIcon::Warning);
    EXPECT_NE(messages_.Entries()[0].text.find("MorvitOmenary.ini"), std::string::npos);
    EXPECT_EQ(logic.general.year.ComboBoxYearProcess, "วอก");
}

}  // namespace
}  // namespace omenary::shell
