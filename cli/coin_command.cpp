// omenary-cli coin: one run of the program's coin omenary, from its first start to the filled
// envelope, through the same handlers the window calls.
#include <QGuiApplication>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/astro/cycles.h"
#include "core/coin/envelope_fill.h"
#include "core/coin/envelope_page.h"
#include "core/coin/tab_handlers.h"
#include "core/common/text.h"
#include "qt/platform/picture_files.h"

namespace omenary::cli {

namespace {

constexpr std::string_view kCommand = "coin";
constexpr OptionSpec kOptions[] = {
    {     "--stem"},
    {   "--branch"},
    {    "--start"},
    {"--landscape",false},
    {   "--center",            false},
    {    "--today"},
    {     "--data"},
    {      "--pdf"},
    {      "--png"},
};
constexpr std::string_view kUsage =
    "coin --stem S --branch B --start BE-MM-DD [--landscape] [--center] [--today DATE] [--data DIR] "
    "[--pdf FILE] [--png FILE]";

// "2547-04-05" -> "2547", "04", "05": the three list texts as given.
struct StartDate {
    std::string year;
    std::string month;
    std::string day;
};

std::optional<StartDate> SplitStart(const std::string& text) {
    const auto first = text.find('-');
    const auto second = first == std::string::npos ? first : text.find('-', first + 1);
    if (second == std::string::npos || text.find('-', second + 1) != std::string::npos) return std::nullopt;
    return StartDate{text.substr(0, first), text.substr(first + 1, second - first - 1),
                     text.substr(second + 1)};
}

// The file name of the first question asked for a missing calendar data file, if one was asked.
std::optional<std::string> MissingDataFile(const platform::RecordedMessages& messages) {
    for (const auto& entry : messages.Entries())
        if (entry.icon == platform::MessageIcon::Question && entry.text.starts_with(coin::kInsertDataDisk))
            return entry.text.substr(coin::kInsertDataDisk.size());
    return std::nullopt;
}

}  // namespace

int RunCoinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = Arguments::Parse(kCommand, args, kOptions, err);
    if (!parsed) return kExitRefused;
    if (!parsed->Words().empty()) return Refuse(err, kCommand, "argument", parsed->Words().front(), kUsage);
    for (const char* required : {"--stem", "--branch", "--start"})
        if (!parsed->Has(required))
            return Refuse(err, kCommand, required, "", std::string("a value; usage: ") + std::string(kUsage));
    const std::string stemText = parsed->Value("--stem"), branchText = parsed->Value("--branch");
    const auto stem = ParseCode(stemText, 10);
    if (!stem) return Refuse(err, kCommand, "--stem", stemText, "a stem code 1 ... 10");
    const auto branch = ParseCode(branchText, 12);
    if (!branch) return Refuse(err, kCommand, "--branch", branchText, "a branch code 1 ... 12");
    const std::string startText = parsed->Value("--start");
    const auto start = SplitStart(startText);
    if (!start) return Refuse(err, kCommand, "--start", startText, "BE-MM-DD, for example 2547-04-05");
    const auto options = ParseRunOptions(kCommand, *parsed, err);
    if (!options) return kExitRefused;

    ProgramRun run(*options);
    if (!run.Start(kCommand, err)) return kExitFailed;
    shell::Omenary& logic = run.Logic();
    coin::CoinValues& values = logic.coin;
    CommandLineView view;
    const coin::SearchContext search = logic.CoinSearch(view);

    // The start date, each list through its own validation.
    values.ComboBoxYY = start->year;
    if (coin::ComboBoxYYExit(values, logic.shell.yearItems, search) == Leave::Refused)
        return Refuse(err, kCommand, "--start", startText,
                      "BE-MM-DD with " + AllowedYears(logic.shell.yearItems));
    values.ComboBoxMM = astro::MonthListItem(start->month);
    if (coin::ComboBoxMMExit(values, search) == Leave::Refused)
        return Refuse(err, kCommand, "--start", startText, "BE-MM-DD with a month 01 ... 12 (two digits)");
    values.ComboBoxDD = start->day;
    if (coin::ComboBoxDDExit(values, search) == Leave::Refused)
        return Refuse(err, kCommand, "--start", startText, "BE-MM-DD with a day 01 ... 31 (two digits)");

    // The envelope options.
    for (const auto& [option, box] : {
             std::pair{"--landscape",    &values.pageOptions.CheckBoxLandscape},
             std::pair{   "--center", &values.pageOptions.CheckBoxCenterOnPage}
    }) {
        if (!parsed->Has(option)) continue;
        *box = true;
        coin::CheckBoxLandscapeClick(values.pageOptions, logic.Settings());
    }

    // The stem button, then the branch button; an accepted pair runs the search.
    const auto application = EnsureGuiApplication();
    const qt::QtPictureFiles pictures(options->data);
    platform::RecordedMessages& messages = run.Messages();
    if (coin::SpeedButtonOnClick(values, *stem, pictures, search) == coin::Click::PictureMissing ||
        coin::SpeedButtonBelowClick(values, *branch, pictures, search) == coin::Click::PictureMissing) {
        err << "omenary-cli coin: " << messages.Texts().back() << "\n";
        return kExitFailed;
    }
    if (!values.ButtonPrintOmenaryCoin)
        return Refuse(err, kCommand, "--branch", branchText,
                      "a branch that forms a pair with stem " + stemText + ": both odd or both even");
    if (const auto missing = MissingDataFile(messages)) {
        err << "omenary-cli coin: the calendar data file \"" << *missing << "\" is not in "
            << options->data.string() << "\n";
        return kExitFailed;
    }

    // The print button.
    report::Page page = coin::EnvelopePage();
    if (!coin::ButtonPrintOmenaryCoinClick(values, page, pictures, messages, view)) {
        err << "omenary-cli coin: " << messages.Texts().back() << "\n";
        return kExitFailed;
    }
    if (!WritePageFiles(page, kCommand, options->pdf, options->png, err)) return kExitFailed;
    PrintRunJson(
        out, run, [&](const ValueVisitor& visit) { coin::ForEachValue(values, visit); }, page);
    return kExitOk;
}

}  // namespace omenary::cli
