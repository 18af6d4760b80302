#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "core/common/text_lines.h"
#include "tests/cli/command_test_support.h"
#include "tests/temp_folder.h"

namespace omenary::cli {
namespace {

namespace fs = std::filesystem;

using Outcome = omenary::testing::CliOutcome;

Outcome RunCalendar(std::vector<std::string> args) {
    args.insert(args.begin(), "calendar");
    return omenary::testing::RunCliInProcess(args);
}

using CalendarCommand = omenary::testing::TempFolderTest;

TEST_F(CalendarCommand, RefusedArgumentsNameTheArgumentAndWriteNothing) {
    const std::string out = (root_ / "out").string();
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const Case cases[] = {
        {                                    {"--to", "2500", "--out", out},                 "--from"},
        {                                  {"--from", "2442", "--out", out},                   "--to"},
        {                                {"--from", "2442", "--to", "2500"},                  "--out"},
        {                  {"--from", "2399", "--to", "2500", "--out", out},                 "'2399'"},
        {                  {"--from", "2442", "--to", "3001", "--out", out},                 "'3001'"},
        {                  {"--from", "25OO", "--to", "2600", "--out", out},                 "'25OO'"},
        {                 {"--from", "+2500", "--to", "2600", "--out", out},                "'+2500'"},
        {                  {"--from", "2501", "--to", "2500", "--out", out}, "not before --from 2501"},
        {  {"--from", "2442", "--to", "2500", "--out", out, "--split", "0"},            "--split '0'"},
        { {"--from", "2442", "--to", "2500", "--out", out, "--split", "-1"},           "--split '-1'"},
        {  {"--from", "2442", "--to", "2500", "--out", out, "--years", "5"},              "'--years'"},
        {{"--from", "2442", "--from", "2443", "--to", "2500", "--out", out},         "one value only"},
        {                       {"--from", "2442", "--to", "2500", "--out"},       "a value after it"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunCalendar(c.args);
        EXPECT_EQ(outcome.status, kExitRefused) << c.named;
        EXPECT_NE(outcome.err.find(c.named), std::string::npos) << outcome.err;
        EXPECT_TRUE(outcome.out.empty()) << c.named;
    }
    EXPECT_FALSE(fs::exists(root_ / "out"));
}

TEST_F(CalendarCommand, AFolderThatCannotBeWrittenFailsWithStatusOne) {
    std::ofstream(root_ / "file") << "x";
    const Outcome outcome =
        RunCalendar({"--from", "2442", "--to", "2443", "--out", (root_ / "file" / "out").string()});
    EXPECT_EQ(outcome.status, kExitFailed);
    EXPECT_NE(outcome.err.find((root_ / "file" / "out").string()), std::string::npos) << outcome.err;
}

TEST_F(CalendarCommand, SplitWritesOneFileForEveryYearsAndTheIndex) {
    const Outcome outcome =
        RunCalendar({"--from", "2566", "--to", "2568", "--split", "2", "--out", (root_ / "out").string()});
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    const auto index = ReadFileBytes(root_ / "out" / "HOROSCOPE.INI", 1000);
    EXPECT_EQ(index,
              "[DATA CALENDAR]\r\n2566 -  2567   Calendar1.TXT\r\n2568 -  2568   Calendar2.TXT\r\n"
              "[END OF DATA]\r\n");
    const auto second = ReadFileBytes(root_ / "out" / "Calendar2.TXT", 1 << 20);
    ASSERT_TRUE(second);
    // 2025: the header line and 365 days.
    EXPECT_EQ(TextLines(*second).Count(), 366u);
    EXPECT_NE(second->find("2568 02 03 2502060503100421:10\r\n"), std::string::npos);
    EXPECT_NE(outcome.out.find("Calendar2.TXT"), std::string::npos);
}

TEST_F(CalendarCommand, ReproducesTheShippedCalendarByteForByte) {
    const Outcome outcome = RunCalendar({"--from", "2442", "--to", "2700", "--out", root_.string()});
    ASSERT_EQ(outcome.status, kExitOk) << outcome.err;
    for (const char* name : {"HOROSCOPE.INI", "Calendar1.TXT"}) {
        const auto written = ReadFileBytes(root_ / name, 64u << 20);
        const auto shipped = ReadFileBytes(fs::path(OMENARY_DATA_DIR) / name, 64u << 20);
        ASSERT_TRUE(written && shipped) << name;
        EXPECT_TRUE(*written == *shipped) << name;
    }
}

// A calendar of the user's own from 2400 puts years into the lists that have no stem, branch or
// glyph; they, and dates before the first year with codes, are refused saying which years work.
TEST_F(CalendarCommand, YearsBeforeTheFirstWithCodesAreRefusedSayingWhichYearsAreSupported) {
    const fs::path data = root_ / "data";
    ASSERT_EQ(RunCalendar({"--from", "2400", "--to", "2600", "--out", data.string()}).status, kExitOk);
    for (const auto& entry : fs::directory_iterator(OMENARY_DATA_DIR))  // the pictures and notes
        fs::copy_file(entry.path(), data / entry.path().filename(), fs::copy_options::skip_existing);
    const struct {
        std::vector<std::string> args;
        const char* named;
        const char* supported;
    } cases[] = {
        {               {"marriage", "--groom", "2420", "--bride", "2500", "--today", "2004-01-05"},
         "--groom '2420'", "2401 ... 2599, that has a stem and a branch (2443 or later)"      },
        {{"coin", "--stem", "1", "--branch", "1", "--start", "2547-01-05", "--today", "1890-01-05"},
         "--today '1890-01-05'",                                      "from BE 2443 (1900) on"},
        {   {"general", "--back", "0", "--person1", "1", "--year", "2500", "--today", "2442-12-31"},
         "--today '2442-12-31'",                                      "from BE 2443 (1900) on"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--data", data.string()});
        const Outcome outcome = omenary::testing::RunCliInProcess(args);
        omenary::testing::ExpectRefused(outcome, c.named);
        EXPECT_NE(outcome.err.find(c.supported), std::string::npos) << outcome.err;
    }
}

}  // namespace
}  // namespace omenary::cli
