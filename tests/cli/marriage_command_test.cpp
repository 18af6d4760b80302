// omenary-cli marriage: the contract scripts rely on.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <string>

#include "tests/cli/command_test_support.h"

namespace omenary::cli {
namespace {

namespace fs = std::filesystem;
using omenary::testing::CliOutcome;
using omenary::testing::ExpectRefused;
using omenary::testing::Json;
using omenary::testing::RunCliInProcess;
using omenary::testing::RunCliProcess;

const std::string kData = OMENARY_DATA_DIR;

std::vector<std::string> Marriage(std::vector<std::string> args) {
    args.insert(args.begin(), "marriage");
    args.insert(args.end(), {"--data", kData});
    return args;
}

TEST(MarriageCommand, PrintsEveryWorkingValueAndEveryPageElement) {
    const CliOutcome run = RunCliInProcess(
        Marriage({"--groom", "2517", "--bride", "2520", "--groom-father", "1", "--groom-mother", "4",
                  "--bride-father", "5", "--bride-mother", "none", "--today", "2004-07-10"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject json = Json(run);
    const QJsonObject values = json["values"].toObject();
    const auto value = [&](const char* name) { return values[name].toString().toStdString(); };
    EXPECT_EQ(value("ComboBoxYearBoy"), "2517");
    EXPECT_EQ(value("ComboBoxYearGirl"), "2520");
    EXPECT_EQ(value("ComboBoxPorYearBoy"), "01 = ชวด");
    EXPECT_EQ(value("ComboBoxMaYearGirl"), "");
    EXPECT_EQ(value("ComboBoxYearGirl1"), "4");
    EXPECT_EQ(value("ComboBoxMaYearBoy2"), "4");
    EXPECT_EQ(value("ComboBoxMaYearGirl2"), "0");
    EXPECT_EQ(value("Imageyeargirl2"), "BS6.bmp");
    EXPECT_EQ(value("Labelnameyeargirl"), "มะเส็ง");
    EXPECT_EQ(value("LabelRSLporchong"), "11");
    EXPECT_EQ(value("Label_numnengkengchong"), "9");
    // Forbidden: the couple's 9 and 12, the child's 9, the parents' 7, 10 and 11.
    EXPECT_EQ(value("Labelusedraseeone7"), "8");
    EXPECT_EQ(value("Labelusedraseeone8"), "");
    EXPECT_EQ(value("Labelusedraseedeang2"), "5");
    EXPECT_EQ(value("Labelusedraseepee12"), "");
    EXPECT_EQ(value("ComboBoxDD"), "10");

    const QJsonObject page = json["page"].toObject();
    const QJsonObject cell = page["QRImageRSLporchild"].toObject();
    EXPECT_EQ(cell["kind"].toString(), "picture");
    EXPECT_EQ(cell["picture"].toString(), "B1.BMP");
    EXPECT_EQ(cell["x"].toInt(), 479);
    EXPECT_EQ(cell["w"].toInt(), 17);
    EXPECT_EQ(page["QRLabelRSLporchild"].toObject()["text"].toString(), "/1");
    EXPECT_EQ(page["QRImageRSLma"].toObject()["picture"].toString(), "BS0.BMP");
    EXPECT_EQ(page["QRImagekozing"].toObject()["picture"].toString(), "B6.bmp");
    EXPECT_EQ(page["QRImageraseeone8"].toObject()["picture"].toString(), "OS0.BMP");
    EXPECT_EQ(page["QRImage10"].toObject()["picture"].toString(), "VB3.bmp");
    EXPECT_EQ(page["QRLabel13"].toObject()["color"].toString(), "red");
    EXPECT_EQ(page["QRShape26"].toObject()["color"].toString(), "darkgray");
    EXPECT_EQ(page["QRLabelcurrentdate2"].toObject()["text"].toString().toStdString(), "วันที่ 10/07/2547");
    EXPECT_EQ(page["QRLabelYearNext"].toObject()["text"].toString(), "2548");
    EXPECT_TRUE(json["messages"].toArray().isEmpty());
}

TEST(MarriageCommand, RefusedArgumentsNameTheArgumentAndPrintNothing) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const Case cases[] = {
        {                        {"--groom", "2517 ", "--bride", "2520"},        "--groom '2517 '"},
        {                         {"--groom", "2517", "--bride", "2442"},         "--bride '2442'"},
        {                         {"--groom", "2517", "--bride", "2700"},         "--bride '2700'"},
        {                 {"--groom", "๒๕๑๗", "--bride", "2520"}, "--groom '๒๕๑๗'"},
        { {"--groom", "2517", "--bride", "2520", "--groom-father", "05"},    "--groom-father '05'"},
        { {"--groom", "2517", "--bride", "2520", "--groom-mother", "13"},    "--groom-mother '13'"},
        {  {"--groom", "2517", "--bride", "2520", "--bride-father", "0"},     "--bride-father '0'"},
        {   {"--groom", "2517", "--bride", "2520", "--bride-mother", ""},      "--bride-mother ''"},
        {{"--groom", "2517", "--bride", "2520", "--today", "2004-13-01"},   "--today '2004-13-01'"},
        {                                            {"--bride", "2520"},                "--groom"},
        {                                            {"--groom", "2517"},                "--bride"},
        {       {"--groom", "2517", "--bride", "2520", "--person1", "1"},              "--person1"},
        {                {"--groom", "2517", "--bride", "2520", "extra"},                  "extra"},
    };
    for (const Case& c : cases) {
        ExpectRefused(RunCliInProcess(Marriage(c.args)), c.named);
    }
}

using MarriageCommandFiles = omenary::testing::CommandFilesTest;

TEST_F(MarriageCommandFiles, WritesThePageAsPdfAndPng) {
    const fs::path pdf = root_ / "out.pdf";
    const fs::path png = root_ / "out.png";
    const CliOutcome run = RunCliProcess("marriage --groom 2477 --bride 2477 --today 2004-07-10 --data " +
                                         kData + " --pdf " + pdf.string() + " --png " + png.string());
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject values = Json(run)["values"].toObject();
    // Eleven usable days: the page shows ten, the working values keep the eleventh.
    EXPECT_EQ(values["Labelusedraseeone11"].toString(), "12");
    EXPECT_EQ(Json(run)["page"].toObject()["QRLabelraseeone10"].toObject()["text"].toString(), "/11");
    EXPECT_GT(fs::file_size(pdf), 10000u);
    EXPECT_GT(fs::file_size(png), 10000u);
}

TEST_F(MarriageCommandFiles, AMissingOrCorruptPictureFailsWithItsNameAndLeavesNoReport) {
    struct Case {
        const char* file;   // as it lies in data/
        const char* named;  // as the program asked for it
        bool corrupt;
    };
    const Case cases[] = {
        {"B12.BMP", "B12.BMP", false}, // the bride's clash cell
        {"BS0.bmp", "BS0.BMP", false}, // the no-parent picture
        {"OS4.bmp", "OS4.bmp", false}, // the bride's stem glyph on the tab
        { "B8.BMP",  "B8.BMP",  true}, // the bride's lonely branch, truncated
    };
    for (const Case& c : cases) {
        fs::remove_all(root_ / "data");
        const fs::path data = DataWithout(c.file);
        if (c.corrupt) {
            const std::string whole = Read(fs::path(kData) / c.file);
            Write(data / c.file, whole.substr(0, whole.size() / 2));
        }
        const fs::path pdf = root_ / "out.pdf";
        const CliOutcome run = RunCliProcess("marriage --groom 2517 --bride 2520 --today 2004-07-10 --data " +
                                             data.string() + " --pdf " + pdf.string());
        EXPECT_EQ(run.status, 1) << c.file;
        EXPECT_NE(run.err.find(c.named), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << c.file;
        EXPECT_FALSE(fs::exists(pdf)) << c.file;
    }
    // The virtue table's glyphs are stored with the page inside the program.
    fs::remove_all(root_ / "data");
    const fs::path pdf = root_ / "out.pdf";
    const CliOutcome run = RunCliProcess("marriage --groom 2517 --bride 2520 --today 2004-07-10 --data " +
                                         DataWithout("VS9.bmp").string() + " --pdf " + pdf.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(pdf));
}

}  // namespace
}  // namespace omenary::cli
