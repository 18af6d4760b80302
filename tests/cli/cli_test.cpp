#include "cli/cli.h"
#include "tests/cli/run_cli.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <sys/wait.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <sstream>
#include <string>

namespace omenary::cli {
namespace {

using Outcome = omenary::testing::CliOutcome;
constexpr auto RunInProcess = omenary::testing::RunCliInProcess;

TEST(Cli, HelpListsEverySubcommandOfTheContract) {
    const Outcome help = RunInProcess({"--help"});
    EXPECT_EQ(help.status, kExitOk);
    for (const char* usage : {"omenary-cli general  --back DEG", "omenary-cli marriage --groom BE --bride BE",
                              "omenary-cli coin     --stem S --branch B --start BE-MM-DD",
                              "omenary-cli calendar --from BE --to BE --out DIR [--split YEARS]",
                              "omenary-cli page     general|marriage|coin"})
        EXPECT_NE(help.out.find(usage), std::string::npos) << usage;
}

TEST(Cli, NoArgumentsOrAnUnknownSubcommandIsRefused) {
    const Outcome none = RunInProcess({});
    EXPECT_EQ(none.status, kExitRefused);
    EXPECT_TRUE(none.out.empty());
    const Outcome unknown = RunInProcess({"horoscope"});
    EXPECT_EQ(unknown.status, kExitRefused);
    EXPECT_NE(unknown.err.find("horoscope"), std::string::npos);
    EXPECT_TRUE(unknown.out.empty());
}

// Every help, the whole program's and each subcommand's, keeps to 80 columns; a subcommand's names
// its options, says what each value form means and shows an example.
TEST(Cli, EverySubcommandExplainsItselfWithinEightyColumns) {
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {        {"general", "--help"},{"  --back DEG ", "  --print [PRINTER] ", "\n  DEG ", "\n  N ", "\n  BE "}                                       },
        {           {"marriage", "-h"},                {"  --bride-mother N|none ", "  --list FILE ", "\n  DATE "}},
        {           {"coin", "--help"},
         {"  --center ", "\n  S ", "\n  B ", "\n  BE-MM-DD ", "Example:\n  omenary-cli coin "}                    },
        {       {"calendar", "--help"},    {"  --split YEARS ", "\n  YEARS ", "Example:\n  omenary-cli calendar "}},
        {{"page", "general", "--help"},              {"  general|marriage|coin ", "Example:\n  omenary-cli page "}},
        {                   {"--help"},                {"[--print [PRINTER]]", "--list FILE", "SUBCOMMAND --help"}},
    };
    for (const auto& [args, named] : cases) {
        const Outcome help = RunInProcess(args);
        EXPECT_EQ(help.status, kExitOk) << args.front();
        EXPECT_EQ(help.err, "") << args.front();
        EXPECT_TRUE(help.out.starts_with("Usage:\n  omenary-cli ")) << help.out;
        for (const std::string& text : named)
            EXPECT_NE(help.out.find(text), std::string::npos) << args.front() << ": " << text;
        std::istringstream lines(help.out);
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(line.size(), 80U) << args.front() << ": " << line;
    }
}

// "--option=value" is "--option value", "--" ends the options, and every refusal is one line in one
// form; a required option left out is named as missing.
TEST(CliProgram, OptionsTakeEqualsValuesAndEndAtDoubleDash) {
    const std::string data = OMENARY_DATA_DIR, pdf = ::testing::TempDir() + "omenary-double-dash.pdf";
    const auto spaced =
        omenary::testing::RunCliProcess("general --back 140 --person1 1 --year 2548 --data " + data);
    const auto joined =
        omenary::testing::RunCliProcess("general --back=140 --person1=1 --year 2548 --data=" + data);
    EXPECT_EQ(joined.status, 0) << joined.err;
    EXPECT_EQ(joined.out, spaced.out);
    const auto page =
        omenary::testing::RunCliProcess("page --data=" + data + " --pdf=" + pdf + " -- general");
    EXPECT_EQ(page.status, 0) << page.err;
    EXPECT_TRUE(std::filesystem::remove(pdf));

    const std::pair<std::string, std::string> refusals[] = {
        {                            "general --person1 1 --year 2548","omenary-cli general: missing --back; allowed: general --"                                                                       },
        {                             "calendar --from 2550 --to 2550",                 "omenary-cli calendar: missing --out; allowed: calendar --"},
        {"coin --stem 3 --branch 7 --start=2547-01-05 --landscape=yes",
         "omenary-cli coin: --landscape 'yes' refused"                                                                                             },
        {                          "page --pdf x.pdf -- general --png",                     "omenary-cli page: argument '--png' refused; allowed: "},
        {                                            "--version extra", "omenary-cli: argument 'extra' refused; allowed: nothing after --version\n"},
    };
    for (const auto& [args, message] : refusals) {
        const auto refused = omenary::testing::RunCliProcess(args);
        EXPECT_EQ(refused.status, kExitRefused) << args;
        EXPECT_TRUE(refused.err.starts_with(message)) << args << ": " << refused.err;
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
        EXPECT_EQ(refused.out, "") << args;
    }
}

// Bare subcommands lack their required arguments (or are not built yet): refused either way, with
// a message and nothing on standard output.
TEST(Cli, BareSubcommandIsRefusedWithAMessage) {
    for (const char* name : {"general", "marriage", "coin", "calendar", "page"}) {
        const Outcome bare = RunInProcess({name});
        EXPECT_EQ(bare.status, kExitRefused) << name;
        EXPECT_FALSE(bare.err.empty()) << name;
        EXPECT_TRUE(bare.out.empty()) << name;
    }
}

// The real program, as scripts see it: exit status and the two streams.
TEST(Cli, ProcessExitStatusAndStreams) {
    const std::string command = std::string(OMENARY_CLI_PATH) + " --help 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    std::array<char, 256> buffer{};
    while (fgets(buffer.data(), buffer.size(), pipe) != nullptr)
        out += buffer.data();
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(out.find("omenary-cli calendar"), std::string::npos);

    const int refused = std::system((std::string(OMENARY_CLI_PATH) + " nonsense >/dev/null 2>&1").c_str());
    EXPECT_EQ(WEXITSTATUS(refused), kExitRefused);
}

// Output that never reached standard output is a failed run, whatever the command.
TEST(CliProgram, AFullStandardOutputIsAFailure) {
    const std::string data = std::string(" --data ") + OMENARY_DATA_DIR;
    const std::string out = ::testing::TempDir() + "omenary-full-stdout";
    for (const std::string& args : std::vector<std::string>{
             "--help", "general --back 140 --person1 1 --year 2548 --today 2005-03-15" + data,
             "calendar --from 2550 --to 2550 --out " + out}) {
        const omenary::testing::CliOutcome outcome = omenary::testing::RunCliProcess(args + " >/dev/full");
        EXPECT_EQ(outcome.status, 1) << args;
        EXPECT_NE(outcome.err.find("standard output could not be written"), std::string::npos) << args;
    }
    std::filesystem::remove_all(out);
}

// What every command does alike: empty output names are refused, a normal run says nothing on
// standard error, and a failed PNG leaves the PDF that stood before.
TEST(CliProgram, CommandsAgreeOnOutputsAndStayQuiet) {
    const std::string data = std::string(" --data ") + OMENARY_DATA_DIR;
    const std::vector<std::string> commands = {
        "general --back 140 --person1 1 --year 2548 --today 2005-03-15" + data,
        "marriage --groom 2517 --bride 2520 --today 2004-07-10" + data,
        "coin --stem 3 --branch 7 --start 2547-01-05 --today 2004-01-05" + data, "page general" + data};
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "omenary-cli-outputs";
    std::filesystem::create_directories(folder);
    const std::string keep = (folder / "keep.pdf").string();
    for (const std::string& command : commands) {
        for (const char* empty : {" --pdf ''", " --png ''"}) {
            const auto refused = omenary::testing::RunCliProcess(command + empty);
            EXPECT_EQ(refused.status, 2) << command << empty;
            EXPECT_EQ(refused.out, "") << command << empty;
        }
        std::ofstream(keep) << "old";
        const auto failed = omenary::testing::RunCliProcess(command + " --pdf " + keep + " --png " +
                                                            (folder / "no" / "x.png").string());
        EXPECT_EQ(failed.status, 1) << command;
        std::ifstream in(keep);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old") << command;

        const auto ok = omenary::testing::RunCliProcess(command + " --pdf " + keep);
        EXPECT_EQ(ok.status, 0) << command;
        EXPECT_EQ(ok.err, "") << command;
    }
    // A printer that is not there: status 1, the printer named, nothing on standard output.
    ::setenv("CUPS_SERVER", (folder / "no-scheduler.sock").c_str(), 1);
    const auto unprinted = omenary::testing::RunCliProcess(commands.front() + " --print nosuch");
    ::unsetenv("CUPS_SERVER");
    EXPECT_EQ(unprinted.status, 1);
    EXPECT_NE(unprinted.err.find("'nosuch'"), std::string::npos) << unprinted.err;
    EXPECT_EQ(unprinted.out, "");
    std::filesystem::remove_all(folder);
    const auto version = omenary::testing::RunCliProcess("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("omenary-cli ") + OMENARY_VERSION + "\n");
}

// The page font configuration changes nothing on the page: every value and every element's box is
// what the system's full font configuration gives (which a user who names one keeps).
TEST(CliProgram, ThePagesFontConfigurationLaysThePagesOutAsTheSystemsDoes) {
    const std::string data = std::string(" --data ") + OMENARY_DATA_DIR;
    for (const std::string& command :
         {"general --back 140 --person1 1 --year 2548 --today 2005-03-15" + data,
          "marriage --groom 2517 --bride 2520 --today 2004-07-10" + data,
          "coin --stem 3 --branch 7 --start 2547-01-05 --today 2004-01-05" + data}) {
        const auto own = omenary::testing::RunCliProcess(command);
        const auto system = omenary::testing::RunCommandLine("FONTCONFIG_FILE=/etc/fonts/fonts.conf " +
                                                             std::string(OMENARY_CLI_PATH) + " " + command);
        ASSERT_EQ(own.status, 0) << command << own.err;
        EXPECT_EQ(system.status, 0) << command << system.err;
        EXPECT_EQ(own.out, system.out) << command;
    }
}

// Printing is a module beside the program: without it --print says so and fails, and the other
// outputs are not touched.
TEST(CliProgram, WithoutItsPrintingModuleAPrintRunSaysPrintingIsNotAvailable) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "omenary-cli-alone";
    std::filesystem::create_directories(folder);
    const std::filesystem::path alone = folder / "omenary-cli";
    std::filesystem::copy_file(OMENARY_CLI_PATH, alone, std::filesystem::copy_options::overwrite_existing);
    const auto printed = omenary::testing::RunCommandLine(
        alone.string() + " general --back 140 --person1 1 --year 2548 --data " + OMENARY_DATA_DIR +
        " --print");
    EXPECT_EQ(printed.status, 1);
    EXPECT_NE(printed.err.find("printing is not available: omenary-print.so is in neither"),
              std::string::npos)
        << printed.err;
    EXPECT_EQ(printed.out, "");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace omenary::cli
