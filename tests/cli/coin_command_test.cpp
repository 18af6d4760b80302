// omenary-cli coin: the contract scripts rely on.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

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

std::vector<std::string> Coin(std::vector<std::string> args) {
    args.insert(args.begin(), "coin");
    args.insert(args.end(), {"--today", "2004-01-05", "--data", kData});
    return args;
}

TEST(CoinCommand, PrintsEveryWorkingValueAndTheFilledEnvelope) {
    const CliOutcome run = RunCliInProcess(Coin({"--stem", "1", "--branch", "1", "--start", "2547-01-05"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject json = Json(run);
    const QJsonObject values = json["values"].toObject();
    const auto value = [&](const char* name) { return values[name].toString().toStdString(); };
    EXPECT_EQ(value("LabelRasibon"), "01");
    EXPECT_EQ(value("LabelRasiLang"), "01");
    EXPECT_EQ(value("LabelCoinDetail1"), "ชวด");
    EXPECT_EQ(value("LabelCoinDetail2"), "2527");
    EXPECT_EQ(value("LabelCoinDetail3"), "21");
    EXPECT_EQ(value("ComboBoxYY"), "2547");
    EXPECT_EQ(value("ComboBoxMM"), "01 = มกราคม");
    EXPECT_EQ(value("ComboBoxDD"), "05");
    EXPECT_EQ(value("ImageSetupPrinter"), "portrait1.bmp");
    EXPECT_EQ(value("LabelOmenaryTimeCoin5"), "ทั้งวัน");
    for (int slot = 1; slot <= 6; ++slot)
        EXPECT_FALSE(value(("LabelOmenaryCoin" + std::to_string(slot)).c_str()).starts_with("ฤกษ์")) << slot;
    for (const char* name : {"LabelRasioneON", "LabelRasiwayraBELOW", "LabelCurrentDataCalendar",
                             "ButtonPrintOmenaryCoin", "LabelFirstStart"})
        EXPECT_TRUE(values.contains(name)) << name;

    const QJsonObject page = json["page"].toObject();
    const QJsonObject slot1 = page["QRLabelLine4"].toObject();
    EXPECT_EQ(slot1["x"].toInt(), 107);
    EXPECT_EQ(slot1["y"].toInt(), 48);
    EXPECT_EQ(slot1["text"].toString(), values["LabelOmenaryCoin1"].toString());
    EXPECT_EQ(page["QRLabelLine1"].toObject()["x"].toInt(), 3);
    EXPECT_EQ(page["QRImageRasiBon"].toObject()["picture"].toString(), "OS1.bmp");
    EXPECT_EQ(page["QRImageRasiLangNumber"].toObject()["picture"].toString(), "N1.bmp");
    EXPECT_EQ(page["QRLabelWarning"].toObject()["color"].toString(), "blue");
    EXPECT_EQ(page["QRLabelLine2"].toObject()["text"].toString().toStdString(),
              "2. ผู้มอบเกิดปีชวด อายุ 21 ปี  เกิดระหว่าง 6 ก.พ. พ.ศ. 2527 ถึง 1 ก.พ. พ.ศ. ถัดไป");
    EXPECT_TRUE(json["messages"].toArray().isEmpty());
}

TEST(CoinCommand, EnvelopeOptionsMoveTheBlockAndADayBeyondItsMonthIsMended) {
    const CliOutcome run = RunCliInProcess(
        Coin({"--stem", "9", "--branch", "9", "--start", "2547-04-31", "--landscape", "--center"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const QJsonObject json = Json(run);
    const QJsonObject values = json["values"].toObject();
    EXPECT_EQ(values["CheckBoxLandscape"].toString(), "True");
    EXPECT_EQ(values["CheckBoxCenterOnPage"].toString(), "True");
    EXPECT_EQ(values["ImageSetupPrinter"].toString(), "portrait4.bmp");
    EXPECT_EQ(values["ComboBoxDD"].toString(), "30");
    EXPECT_EQ(values["LabelCoinDetail3"].toString(), "13");
    const QJsonObject page = json["page"].toObject();
    EXPECT_EQ(page["QRImageLogoOmenaryCoin"].toObject()["x"].toInt(), 924);
    EXPECT_EQ(page["QRImageLogoOmenaryCoin"].toObject()["y"].toInt(), 220);
    EXPECT_EQ(page["QRLabelLine1"].toObject()["x"].toInt(), 542);
    EXPECT_EQ(page["QRLabelLine1"].toObject()["y"].toInt(), 223);
    const QJsonArray messages = json["messages"].toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].toString().toStdString(), "วันเดือนปีเกิดไม่ถูกต้อง");
}

TEST(CoinCommand, RefusedArgumentsNameTheArgumentAndPrintNothing) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const Case cases[] = {
        {              {"--stem", "1", "--branch", "2", "--start", "2547-01-05"},           "--branch '2'"},
        {              {"--stem", "0", "--branch", "2", "--start", "2547-01-05"},             "--stem '0'"},
        {             {"--stem", "11", "--branch", "1", "--start", "2547-01-05"},            "--stem '11'"},
        {             {"--stem", "1", "--branch", "13", "--start", "2547-01-05"},          "--branch '13'"},
        {               {"--stem", "1", "--branch", "1", "--start", "2547-1-05"},    "--start '2547-1-05'"},
        {               {"--stem", "1", "--branch", "1", "--start", "2547-01-5"},    "--start '2547-01-5'"},
        {              {"--stem", "1", "--branch", "1", "--start", "2547-01-32"},   "--start '2547-01-32'"},
        {              {"--stem", "1", "--branch", "1", "--start", "2700-01-05"},   "--start '2700-01-05'"},
        {            {"--stem", "1", "--branch", "1", "--start", "2547-01-05-1"}, "--start '2547-01-05-1'"},
        {                             {"--branch", "1", "--start", "2547-01-05"},                 "--stem"},
        {                                       {"--stem", "1", "--branch", "1"},                "--start"},
        {{"--stem", "1", "--branch", "1", "--start", "2547-01-05", "--portrait"},             "--portrait"},
    };
    for (const Case& c : cases)
        ExpectRefused(RunCliInProcess(Coin(c.args)), c.named);
}

class CoinCommandFiles : public omenary::testing::CommandFilesTest {
  protected:
    CliOutcome RunWith(const fs::path& data, const std::string& options) {
        return RunCliProcess("coin --stem 10 --branch 12 --start 2547-01-05 --today 2004-01-05 --data " +
                             data.string() + " " + options);
    }
};

TEST_F(CoinCommandFiles, WritesTheEnvelopeAsPdfAndPng) {
    const fs::path pdf = root_ / "out.pdf", png = root_ / "out.png";
    const CliOutcome run = RunWith(kData, "--pdf " + pdf.string() + " --png " + png.string());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).isObject());
    EXPECT_GT(fs::file_size(pdf), 10000u);
    EXPECT_GT(fs::file_size(png), 10000u);
}

TEST_F(CoinCommandFiles, AMissingFileFailsWithItsNameAndLeavesNoReport) {
    for (const char* missing : {"Calendar1.TXT", "OS10.bmp", "B12.BMP"}) {
        const fs::path pdf = root_ / "out.pdf";
        const CliOutcome run = RunWith(DataWithout(missing), "--pdf " + pdf.string());
        EXPECT_EQ(run.status, 1) << missing;
        EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << missing;
        EXPECT_FALSE(fs::exists(pdf)) << missing;
    }
}

// A calendar that cannot give the days from the start date on fails naming the file and why.
TEST_F(CoinCommandFiles, ACalendarThatCannotBeReadFailsNamingTheFileAndWhy) {
    const std::string days = Read(fs::path(kData) / "Calendar1.TXT"),
                      toThe2400s = days.substr(0, days.find("\r\n2500"));
    const std::string gap =
        "[DATA CALENDAR]\n2442 -  2500   Calendar1.TXT\n2510 -  2700   Calendar1.TXT\n[END OF DATA]\n";
    const struct {
        const char* file;
        std::string content;  // written over the file, unless empty
        std::uintmax_t size;  // the file made this long, unless 0
        // with neither, the file loses every permission
        const char* start;
        const char* reason;
    } cases[] = {
        {"Calendar1.TXT",         "",         0, "2547-01-05",               "ไม่มีสิทธิ์อ่าน"},
        {"Calendar1.TXT",         "", 65u << 20, "2547-01-05",                              "ใหญ่เกิน 64 MB"},
        {"HOROSCOPE.INI",        gap,         0, "2505-01-05",                                        "ปี พ.ศ. 2505"},
        {"Calendar1.TXT", toThe2400s,         0, "2547-01-05", "ไม่มีวันที่ 5 มกราคม 2547"},
    };
    const fs::path out = root_ / "out";  // writable for whoever runs the command
    fs::create_directories(out);
    fs::permissions(out, fs::perms::all);
    for (const auto& c : cases) {
        const fs::path data = DataWithout("");
        if (!c.content.empty()) Write(data / c.file, c.content);
        if (c.size != 0) fs::resize_file(data / c.file, c.size);
        if (c.content.empty() && c.size == 0) fs::permissions(data / c.file, fs::perms::none);
        std::string run = std::string(OMENARY_CLI_PATH) + " coin --stem 1 --branch 1 --start " + c.start +
                          " --today 2004-01-05 --data " + data.string() + " --pdf " +
                          (out / "out.pdf").string();
        // The administrator reads a file without permissions; an ordinary user cannot.
        if (::geteuid() == 0) run = "setpriv --reuid=65534 --regid=65534 --clear-groups " + run;
        const CliOutcome outcome = omenary::testing::RunCommandLine(run);
        EXPECT_EQ(outcome.status, 1) << c.reason;
        EXPECT_NE(outcome.err.find(c.file), std::string::npos) << outcome.err;
        EXPECT_NE(outcome.err.find(c.reason), std::string::npos) << outcome.err;
        EXPECT_TRUE(outcome.out.empty() && !fs::exists(out / "out.pdf")) << c.reason;
    }
}

// The emblem is stored with the envelope inside the program: a data folder without it still prints.
TEST_F(CoinCommandFiles, AnEmblemMissingFromTheDataFolderStillPrints) {
    const fs::path pdf = root_ / "out.pdf";
    const CliOutcome run = RunWith(DataWithout("emblem.bmp"), "--pdf " + pdf.string());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(pdf));
}

// The calendar file changes under running searches, again and again: a run that read what the
// file no longer holds fails naming it; none dies of it.
TEST_F(CoinCommandFiles, ACalendarChangedWhileItIsReadFailsTheRunNamingTheFile) {
    const fs::path data = DataWithout(""), calendar = data / "Calendar1.TXT";
    const std::string bytes = Read(calendar);
    const std::size_t kept[] = {bytes.size() / 10, 0};  // shortened and written again; copied over
    for (const std::size_t size : kept) {
        std::atomic<bool> stop = false;
        std::thread writer([&] {
            const int descriptor = ::open(calendar.c_str(), O_WRONLY | O_CLOEXEC);
            while (!stop) {
                EXPECT_EQ(::ftruncate(descriptor, static_cast<off_t>(size)), 0);
                std::this_thread::sleep_for(std::chrono::microseconds(size == 0 ? 0 : 500));
                EXPECT_GT(
                    ::pwrite(descriptor, bytes.data() + size, bytes.size() - size, static_cast<off_t>(size)),
                    0);
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
            ::close(descriptor);
        });
        int failed = 0;
        for (int run = 0; run < 40; ++run) {
            const CliOutcome outcome = RunWith(data, "");
            failed += outcome.status == 1;
            EXPECT_TRUE(outcome.status == 0 || outcome.err.find(calendar.string()) != std::string::npos)
                << size << ": " << outcome.status << " " << outcome.err;
        }
        stop = true;
        writer.join();
        EXPECT_GT(failed, 0) << size << ": the file never changed under a run";
    }
}

TEST_F(CoinCommandFiles, PageCoinRendersTheEmptyEnvelope) {
    const fs::path png = root_ / "page.png";
    const CliOutcome run = RunCliInProcess({"page", "coin", "--data", kData, "--png", png.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_GT(fs::file_size(png), 5000u);
}

}  // namespace
}  // namespace omenary::cli
