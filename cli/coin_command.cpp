// omenary-cli coin: one run of the program's coin omenary, from its first start to the filled
// envelope, through the same handlers the window calls.
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/coin_run.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/astro/cycles.h"
#include "core/coin/envelope_fill.h"
#include "core/coin/envelope_page.h"
#include "core/coin/tab_handlers.h"
#include "core/common/text.h"

namespace omenary::cli {

namespace {

constexpr std::string_view kCommand = kCoinCommand;
constexpr OptionSpec kOptions[] = {
    {     "--stem",  true},
    {   "--branch",  true},
    {    "--start",  true},
    {"--landscape", false},
    {   "--center", false},
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

// What follows the beginning of the first message of that kind which starts with it, if one was shown.
std::optional<std::string> MessageAfter(const platform::RecordedMessages& messages,
                                        platform::MessageIcon icon, std::string_view beginning) {
    for (const auto& entry : messages.Entries())
        if (entry.icon == icon && entry.text.starts_with(beginning))
            return entry.text.substr(beginning.size());
    return std::nullopt;
}

}  // namespace

int SetCoinStart(const Arguments& parsed, ProgramRun& program, const coin::SearchContext& search,
                 std::ostream& err) {
    shell::Omenary& logic = program.Logic();
    coin::CoinValues& values = logic.coin;
    const std::string startText = parsed.Value("--start");
    const auto start = SplitStart(startText);
    if (!start) return Refuse(err, kCommand, "--start", startText, "BE-MM-DD, for example 2547-04-05");

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
        if (!parsed.Has(option)) continue;
        *box = true;
        coin::CheckBoxLandscapeClick(values.pageOptions, logic.Settings());
    }
    return kExitOk;
}

int FillCoinEnvelope(ProgramRun& program, const coin::SearchContext& search, int stem, int branch,
                     report::Page& page, std::ostream& err) {
    coin::CoinValues& values = program.Logic().coin;
    const platform::PictureFiles& pictures = program.Pictures();
    if (coin::SpeedButtonOnClick(values, stem, pictures, search) == coin::Click::PictureMissing ||
        coin::SpeedButtonBelowClick(values, branch, pictures, search) == coin::Click::PictureMissing)
        return program.Failed(err);
    if (!values.ButtonPrintOmenaryCoin) return kExitRefused;
    if (const auto missing =
            MessageAfter(program.Messages(), platform::MessageIcon::Question, coin::kInsertDataDisk)) {
        err << "omenary-cli coin: the calendar data file \"" << *missing << "\" is not in "
            << search.workingDirectory.string() << "\n";
        return kExitFailed;
    }
    // The search could not walk the days it needs: the message names the file and why.
    if (MessageAfter(program.Messages(), platform::MessageIcon::Error, coin::kCalendarUnusable))
        return program.Failed(err);

    // The print button.
    CommandLineView view;
    if (!coin::ButtonPrintOmenaryCoinClick(values, page, pictures, program.Messages(), view))
        return program.Failed(err);
    // The calendar is mapped: what was read from a file changed meanwhile is not the file's.
    if (!values.listboxcalendar.Intact()) {
        err << "omenary-cli coin: the calendar data file \"" << values.LabelCurrentDataCalendar
            << "\" changed while it was read; run again once it is written\n";
        return kExitFailed;
    }
    return kExitOk;
}

int RunCoinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (IsListRun(args, kOptions)) return RunCoinListCommand(args, out, err);
    const auto parsed =
        ParseOmenaryArguments(kCommand, args, kOptions, {"--stem", "--branch", "--start"}, kUsage, err);
    if (!parsed) return kExitRefused;
    const std::string stemText = parsed->Value("--stem"), branchText = parsed->Value("--branch");
    const auto stem = ParseCode(stemText, 10);
    if (!stem) return Refuse(err, kCommand, "--stem", stemText, "a stem code 1 ... 10");
    const auto branch = ParseCode(branchText, 12);
    if (!branch) return Refuse(err, kCommand, "--branch", branchText, "a branch code 1 ... 12");
    const auto options = ParseRunOptions(kCommand, *parsed, err);
    if (!options) return kExitRefused;

    ProgramRun program(kCommand, *options);
    if (const int status = program.Start(err); status != kExitOk) return status;
    CommandLineView view;
    const coin::SearchContext search = program.Logic().CoinSearch(view);
    if (const int status = SetCoinStart(*parsed, program, search, err); status != kExitOk) return status;
    report::Page page = coin::EnvelopePage();
    const int status = FillCoinEnvelope(program, search, *stem, *branch, page, err);
    if (status == kExitRefused)
        return Refuse(err, kCommand, "--branch", branchText,
                      "a branch that forms a pair with stem " + stemText + ": both odd or both even");
    if (status != kExitOk) return status;
    return program.Finish(page, shell::Tab::Coin, out, err);
}

}  // namespace omenary::cli
