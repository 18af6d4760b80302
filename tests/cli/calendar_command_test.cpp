#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "core/common/text_lines.h"
#include "tests/cli/run_cli.h"
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

}  // namespace
}  // namespace omenary::cli
