// omenary-cli coin --list: one envelope per giver, each the single run's plus the name.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "tests/cli/command_test_support.h"

namespace omenary::cli {
namespace {

namespace fs = std::filesystem;
using omenary::testing::CliOutcome;
using omenary::testing::Json;
using omenary::testing::RunCliInProcess;

const std::string kData = OMENARY_DATA_DIR;

std::vector<QJsonObject> JsonLines(const std::string& out) {
    std::vector<QJsonObject> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(line)).object());
    return lines;
}

class CoinListCommand : public omenary::testing::CommandFilesTest {
  protected:
    CliOutcome RunList(const std::string& list, std::vector<std::string> more = {},
                       const std::string& data = kData) {
        Write(root_ / "list.csv", list);
        std::vector<std::string> args = {"coin",       "--list",     (root_ / "list.csv").string(),
                                         "--start",    "2547-01-05", "--today",
                                         "2004-01-05", "--data",     data,
                                         "--landscape"};
        args.insert(args.end(), more.begin(), more.end());
        return RunCliInProcess(args);
    }
};

TEST_F(CoinListCommand, EachPageIsTheSingleRunPlusTheName) {
    const CliOutcome run = RunList("name;birth;stem;branch\r\nสมชาย;;1;1\r\n;03/02/2527;;\r\n");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<QJsonObject> pages = JsonLines(run.out);
    ASSERT_EQ(pages.size(), 2u);
    // Born on 3 February 2527, before that year's change: the giver's pair is that of the pig year.
    const std::pair<const char*, const char*> singles[] = {
        { "1",  "1"},
        {"10", "12"}
    };
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const QJsonObject single = Json(
            RunCliInProcess({"coin", "--stem", singles[i].first, "--branch", singles[i].second, "--start",
                             "2547-01-05", "--today", "2004-01-05", "--data", kData, "--landscape"}));
        QJsonObject page = pages[i]["page"].toObject();
        const QJsonObject name = page.take("QRLabelRecipient").toObject();
        EXPECT_EQ(page, single["page"].toObject()) << i;
        EXPECT_EQ(pages[i]["values"], single["values"]) << i;
        if (i == 0) {
            EXPECT_EQ(name["text"].toString(), QStringLiteral(" สมชาย "));
            const QJsonObject line1 = page["QRLabelLine1"].toObject();
            EXPECT_EQ(name["y"], line1["y"]);
            EXPECT_GT(name["x"].toInt(), line1["x"].toInt() + 20);
        } else {
            EXPECT_TRUE(name.isEmpty()) << "no name, the dots stay";
        }
    }
}

TEST_F(CoinListCommand, OnePdfOfAllPagesWithEachPictureOnceAndNumberedPngs) {
    const fs::path pdf = root_ / "all.pdf", pngs = root_ / "pngs";
    const CliOutcome run =
        RunList("name,stem,branch\nA,1,1\nB,1,1\nC,1,1\n", {"--pdf", pdf.string(), "--png", pngs.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = Read(pdf);
    const auto count = [&bytes](const std::string& what) {
        std::size_t n = 0;
        for (auto at = bytes.find(what); at != std::string::npos; at = bytes.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("/Type /Page\n"), 3u);
    // OS1, BS1, N1 (twice on a page) and the emblem.
    EXPECT_EQ(count("/Subtype /Image"), 4u);
    for (const char* png : {"envelope-0001.png", "envelope-0002.png", "envelope-0003.png"})
        EXPECT_GT(fs::file_size(pngs / png), 10000u) << png;
}

TEST_F(CoinListCommand, BadRowsAreEachNamedAndNothingIsWritten) {
    const fs::path pdf = root_ / "all.pdf", pngs = root_ / "pngs";
    const CliOutcome run =
        RunList("name,stem,branch,birth\nA,1,2,\nB,1,1,\nC,1,1,2527-02-03\nD,,,2790-01-01\n" +
                    std::string(60, 'W') + ",1,1,\n",
                {"--pdf", pdf.string(), "--png", pngs.string()});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    for (const char* line : {"line 2:", "line 4:", "line 5:", "line 6: the name"})
        EXPECT_NE(run.err.find(line), std::string::npos) << line << run.err;
    EXPECT_EQ(run.err.find("line 3:"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(pdf));
    EXPECT_FALSE(fs::exists(pngs));
}

TEST_F(CoinListCommand, OutputsThatCannotBeMadeFailAndLeaveNothing) {
    const fs::path pdf = root_ / "all.pdf", pngs = root_ / "pngs", aFile = root_ / "a-file";
    Write(aFile, "kept");
    Write(root_ / "list.csv", "name,stem,branch\nA,1,1\n");
    const std::pair<std::string, std::string> cases[] = {
        {"--pdf " + pdf.string() + " --png " + pngs.string() + " --print no-such-printer",
         "no printer named 'no-such-printer'"                                                                 },
        {                            "--pdf " + pdf.string() + " --png " + aFile.string(),   "is not a folder"},
        {                                    "--pdf " + (root_ / "no" / "x.pdf").string(), "cannot be written"},
    };
    for (const auto& [options, message] : cases) {
        const CliOutcome run =
            omenary::testing::RunCliProcess("coin --list " + (root_ / "list.csv").string() +
                                            " --start 2547-01-05 --data " + kData + " " + options);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << message;
        EXPECT_FALSE(fs::exists(pdf)) << message;
        EXPECT_FALSE(fs::exists(pngs)) << message;
        EXPECT_EQ(Read(aFile), "kept");
    }
}

TEST_F(CoinListCommand, NoProgressWhereStandardErrorIsNoTerminal) {
    Write(root_ / "list.csv", "name,stem,branch\nA,1,1\nB,2,2\n");
    const CliOutcome run =
        omenary::testing::RunCliProcess("coin --list " + (root_ / "list.csv").string() +
                                        " --start 2547-01-05 --today 2004-01-05 --data " + kData);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(JsonLines(run.out).size(), 2u);
}

TEST_F(CoinListCommand, APictureMissingForALaterRowWritesNothingAtAll) {
    const fs::path pdf = root_ / "all.pdf";
    const CliOutcome run = RunList("name,stem,branch\nA,1,1\nB,10,12\n", {"--pdf", pdf.string()},
                                   DataWithout("OS10.bmp").string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("OS10.bmp"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out.substr(0, 200);
    EXPECT_FALSE(fs::exists(pdf));
}

// general and marriage take JSON lines: each line the options of one run.
class PageListCommand : public omenary::testing::CommandFilesTest {};

TEST_F(PageListCommand, EachLineIsItsSingleRunAndBadLinesAreNamed) {
    struct Case {
        std::vector<std::string> command;  // the command and the options of its first line
        std::string lines;
    };
    const Case cases[] = {
        {         {"general", "--back", "140", "--person1", "1", "--year", "2548"},
         "{\"back\":\"140\",\"person1\":1,\"year\":\"2548\"}\n\n{\"back\":\"45\",\"person1\":\"6\",\"year\":"
         "2550}\r\n"            },
        {{"marriage", "--groom", "2517", "--bride", "2520", "--groom-mother", "4"},
         "{\"groom\":\"2517\",\"bride\":2520,\"groom-mother\":4,\"bride-father\":null}\n{\"groom\":\"2519\","
         "\"bride\":\"2520\"}\n"},
    };
    for (const Case& c : cases) {
        const fs::path list = root_ / "list.jsonl", pdf = root_ / "all.pdf", pngs = root_ / "pngs";
        Write(list, c.lines);
        const CliOutcome run =
            RunCliInProcess({c.command[0], "--list", list.string(), "--today", "2005-03-15", "--data", kData,
                             "--pdf", pdf.string(), "--png", pngs.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<QJsonObject> pages = JsonLines(run.out);
        ASSERT_EQ(pages.size(), 2u) << c.command[0];
        std::vector<std::string> single = c.command;
        single.insert(single.end(), {"--today", "2005-03-15", "--data", kData});
        EXPECT_EQ(pages[0], Json(RunCliInProcess(single))) << c.command[0];
        EXPECT_TRUE(fs::exists(pngs / "page-0002.png")) << c.command[0];
        fs::remove_all(pngs);
        fs::remove(pdf);

        Write(list, c.lines + "{\"" + c.command[1].substr(2) + "\":\"x\"}\n{\"pdf\":\"a.pdf\"}\nnot json\n");
        const CliOutcome bad = RunCliInProcess({c.command[0], "--list", list.string(), "--data", kData,
                                                "--pdf", pdf.string(), "--png", pngs.string()});
        EXPECT_EQ(bad.status, 2) << c.command[0];
        EXPECT_TRUE(bad.out.empty());
        const auto first = std::count(c.lines.begin(), c.lines.end(), '\n') + 1;
        const std::string lines[] = {"line " + std::to_string(first) + ": missing --",
                                     "line " + std::to_string(first + 1) + ": 'pdf' belongs",
                                     "line " + std::to_string(first + 2) + ": not a JSON object"};
        for (const std::string& line : lines)
            EXPECT_NE(bad.err.find(line), std::string::npos) << line << "\n" << bad.err;
        EXPECT_FALSE(fs::exists(pdf));
        EXPECT_FALSE(fs::exists(pngs));
    }
}

TEST_F(PageListCommand, OnlyAnOptionNamedListMakesAListRun) {
    constexpr OptionSpec own[] = {
        {  "--person1"},
        { "--landscape",        false}
    };
    const std::pair<std::vector<std::string>, bool> cases[] = {
        {                  {"--today=x", "--list=a"},  true},
        {                 {"--print", "--list", "a"},  true}, // --print's value is left out before an option
        {                    {"--person1", "--list"}, false}, // the value of --person1
        {                      {"--", "--list", "a"}, false},
        {{"--unknown", "--landscape", "--list", "a"},  true},
    };
    for (const auto& [args, listRun] : cases)
        EXPECT_EQ(IsListRun(args, own), listRun) << args[0] << " " << args[1];
    Write(root_ / "list.jsonl", "{\"groom\":\"2517\",\"bride\":2520}\n");
    const CliOutcome run =
        RunCliInProcess({"marriage", "--list=" + (root_ / "list.jsonl").string(), "--data", kData});
    EXPECT_EQ(JsonLines(run.out).size(), 1u) << run.err;
}

TEST_F(PageListCommand, AFailedRunRemovesOnlyThePngsItMade) {
    const fs::path list = root_ / "list.jsonl", pngs = root_ / "pngs";
    const std::string line = "{\"groom\":\"2517\",\"bride\":2520}\n";
    Write(list, line + line + line);
    fs::create_directories(pngs / "page-0003.png");  // no page can be written there: the third fails
    Write(pngs / "page-0001.png", "an earlier run's");
    EXPECT_EQ(RunCliInProcess({"marriage", "--list", list.string(), "--data", kData, "--png", pngs.string()})
                  .status,
              1);
    EXPECT_GT(Read(pngs / "page-0001.png").size(), 1000u) << "replaced by the run: kept";
    EXPECT_FALSE(fs::exists(pngs / "page-0002.png")) << "made by the run: removed";
}

}  // namespace
}  // namespace omenary::cli
