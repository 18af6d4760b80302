// omenary-cli general: the contract scripts rely on.
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

std::vector<std::string> General(std::vector<std::string> args, bool withData = true) {
    args.insert(args.begin(), "general");
    if (withData) args.insert(args.end(), {"--data", kData});
    return args;
}

TEST(GeneralCommand, PrintsEveryWorkingValueAndEveryPageElement) {
    const CliOutcome run = RunCliInProcess(
        General({"--back", "0", "--person1", "1", "--year", "2547", "--today", "2004-03-15"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject json = Json(run);
    const QJsonObject values = json["values"].toObject();
    const auto value = [&](const char* name) { return values[name].toString().toStdString(); };
    EXPECT_EQ(value("ComboBoxperson1"), "01 = ชวด");
    EXPECT_EQ(value("ComboBoxperson2"), "(ไม่มี)");
    EXPECT_EQ(value("Editaspectperform"), "0");
    EXPECT_EQ(value("ComboBoxYearProcess"), "วอก");
    EXPECT_EQ(value("ComboBoxYearBoy"), "2517");
    EXPECT_EQ(value("Labelcanused9"), "12");
    EXPECT_EQ(value("Labelcanused10"), "labelcanused10");
    EXPECT_EQ(value("Labelcannotused3"), "11");
    EXPECT_EQ(value("Labelyearstar"), "5");
    EXPECT_EQ(value("Labelwarning5"), "Center");

    const QJsonObject page = json["page"].toObject();
    const QJsonObject star = page["QRLabelyearstar1"].toObject();
    EXPECT_EQ(star["kind"].toString(), "text");
    EXPECT_EQ(star["text"].toString(), "5");
    EXPECT_EQ(star["color"].toString(), "red");
    EXPECT_EQ(star["x"].toInt(), 54);
    const QJsonObject number = page["QRImageCanusenumber1"].toObject();
    EXPECT_EQ(number["kind"].toString(), "picture");
    EXPECT_EQ(number["picture"].toString(), "N1.BMP");
    EXPECT_EQ(number["w"].toInt(), 17);
    EXPECT_EQ(page["QRImageCannotuse4"].toObject()["picture"].toString(), "OS0.BMP");
    EXPECT_EQ(page["QRShape2"].toObject()["kind"].toString(), "shape");
    EXPECT_EQ(page["QRLabelcurrentdate"].toObject()["text"].toString().toStdString(), "วันที่ 15/03/2547");
    EXPECT_TRUE(json["messages"].toArray().isEmpty());
}

TEST(GeneralCommand, LowerDirectionsDefaultToTheOneAboveThem) {
    const CliOutcome run =
        RunCliInProcess(General({"--back", "90", "--prominent", "180", "--person1", "3", "--person2", "7",
                                 "--year", "2550", "--today", "2007-06-01"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject values = Json(run)["values"].toObject();
    EXPECT_EQ(values["ComboBoxaspectbackofhome"].toString(), "90");
    EXPECT_EQ(values["ComboBoxaspectprominent"].toString(), "180");
    EXPECT_EQ(values["ComboBoxaspectperform"].toString(), "180");
    EXPECT_EQ(values["ComboBoxperson2"].toString().toStdString(), "07 = มะเมีย");
}

TEST(GeneralCommand, RefusedArgumentsNameTheArgumentAndPrintNothing) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const Case cases[] = {
        {                      {"--back", "45.0", "--person1", "1", "--year", "2547"},"--back '45.0'"                                                                                      },
        {                       {"--back", "360", "--person1", "1", "--year", "2547"},      "--back '360'"},
        {                        {"--back", "-1", "--person1", "1", "--year", "2547"},       "--back '-1'"},
        {        {"--back", "0", "--act", "1.25", "--person1", "1", "--year", "2547"},      "--act '1.25'"},
        {   {"--back", "0", "--prominent", "abc", "--person1", "1", "--year", "2547"}, "--prominent 'abc'"},
        {                         {"--back", "0", "--person1", "1", "--year", "2700"},     "--year '2700'"},
        {                         {"--back", "0", "--person1", "1", "--year", "2442"},     "--year '2442'"},
        {                        {"--back", "0", "--person1", "13", "--year", "2547"},    "--person1 '13'"},
        {                         {"--back", "0", "--person1", "0", "--year", "2547"},     "--person1 '0'"},
        {                      {"--back", "0", "--person1", "none", "--year", "2547"},  "--person1 'none'"},
        {      {"--back", "0", "--person1", "1", "--person2", "01", "--year", "2547"},    "--person2 '01'"},
        {{"--back", "0", "--person1", "1", "--year", "2547", "--today", "2004-02-30"},
         "--today '2004-02-30'"                                                                           },
        {                                        {"--person1", "1", "--year", "2547"},            "--back"},
        {                                           {"--back", "0", "--year", "2547"},         "--person1"},
        {                                           {"--back", "0", "--person1", "1"},            "--year"},
        {      {"--back", "0", "--person1", "1", "--year", "2547", "--colour", "red"},          "--colour"},
    };
    for (const Case& c : cases)
        ExpectRefused(RunCliInProcess(General(c.args)), c.named);
}

using GeneralCommandFiles = omenary::testing::CommandFilesTest;

TEST_F(GeneralCommandFiles, WritesThePageAsPdfAndPngInUnderHalfASecond) {
    const fs::path pdf = root_ / "out.pdf";
    const fs::path png = root_ / "out.png";
    const CliOutcome run =
        RunCliProcess("general --back 0 --person1 1 --year 2547 --today 2004-03-15 --data " + kData +
                      " --pdf " + pdf.string() + " --png " + png.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).isObject());
    EXPECT_GT(fs::file_size(pdf), 10000u);
    EXPECT_GT(fs::file_size(png), 10000u);
}

TEST_F(GeneralCommandFiles, AMissingPictureFailsWithItsNameAndLeavesNoReport) {
    const fs::path data = DataWithout("N8.bmp");
    const fs::path pdf = root_ / "out.pdf";
    const CliOutcome run =
        RunCliProcess("general --back 0 --person1 1 --year 2547 --today 2004-03-15 --data " + data.string() +
                      " --pdf " + pdf.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("N8.BMP"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_FALSE(fs::exists(pdf));
}

TEST_F(GeneralCommandFiles, AMissingCalendarIndexFailsWithStatusOne) {
    fs::create_directories(root_ / "empty");
    const CliOutcome run = RunCliInProcess(General(
        {"--back", "0", "--person1", "1", "--year", "2547", "--data", (root_ / "empty").string()}, false));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("HOROSCOPE.INI"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace omenary::cli
