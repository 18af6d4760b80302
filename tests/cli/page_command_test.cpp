// omenary-cli page, run as scripts run it: exit status, messages, and the files it leaves.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/cli/run_cli.h"
#include "tests/temp_folder.h"

#include <sys/wait.h>

#include <QImage>
#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

using Outcome = omenary::testing::CliOutcome;
constexpr auto RunCli = omenary::testing::RunCliProcess;

class PageCommand : public omenary::testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        fs::create_directories(root_ / "empty");
    }
    std::string In(const char* name) const { return (root_ / name).string(); }
};

TEST_F(PageCommand, WritesTheUnfilledGeneralAndMarriagePagesAsPdfAndA150DpiPng) {
    for (const std::string page : {"general", "marriage"}) {
        const Outcome run = RunCli("page " + page + " --data " + std::string(OMENARY_DATA_DIR) + " --pdf " +
                                   In("g.pdf") + " --png " + In("g.png"));
        ASSERT_EQ(run.status, 0) << run.err;
        const QImage png(QString::fromStdString(In("g.png")));
        EXPECT_EQ(png.size(), QSize(1240, 1754)) << page;
        EXPECT_GT(fs::file_size(In("g.pdf")), 1000u) << page;
    }
}

// The logo is stored with the page inside the program; a corrupt one in the data folder, taken first,
// fails naming the file and leaves no output.
TEST_F(PageCommand, TheLogoTravelsWithTheProgramAndACorruptOneIsNamed) {
    Outcome run =
        RunCli("page general --data " + In("empty") + " --pdf " + In("g.pdf") + " --png " + In("g.png"));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(In("g.pdf")));
    EXPECT_TRUE(fs::exists(In("g.png")));

    fs::create_directories(In("corrupt"));
    std::ofstream(In("corrupt") + "/LOGO.BMP") << "BM not a bitmap";
    run = RunCli("page general --data " + In("corrupt") + " --pdf " + In("c.pdf"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("logo.bmp"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(In("c.pdf")));
}

TEST_F(PageCommand, AnUnwritableOutputFailsNamingTheFile) {
    const std::string target = In("no-such-folder/g.png");
    const Outcome run = RunCli("page general --data " + std::string(OMENARY_DATA_DIR) + " --png " + target);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(target), std::string::npos) << run.err;
}

TEST_F(PageCommand, RefusedArgumentsNameWhatWasGiven) {
    const struct {
        std::string args;
        std::string named;
    } cases[] = {
        {          "page horoscope --png " + In("x.png"), "horoscope"},
        {       "page general coin --png " + In("x.png"),      "coin"},
        {"page general --png " + In("x.png") + " --size",    "--size"},
        {                           "page general --png",     "--png"},
        {                                 "page general",     "--pdf"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunCli(c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << c.args << ": " << run.err;
    }
    EXPECT_FALSE(fs::exists(In("x.png")));
}

}  // namespace
