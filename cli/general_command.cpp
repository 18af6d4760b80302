// omenary-cli general: one run of the program's general omenary, from its first start to the filled
// page, through the same handlers the window calls.
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/general/general_fill.h"
#include "core/general/general_page.h"
#include "core/general/tab_handlers.h"
#include "core/shell/omenary.h"

namespace omenary::cli {

namespace {

using general::Aspect;

constexpr std::string_view kCommand = "general";
constexpr OptionSpec kOptions[] = {{"--back"},    {"--prominent"}, {"--act"},
                                   {"--person1"}, {"--person2"},   {"--year"}};
constexpr std::string_view kUsage =
    "general --back DEG [--prominent DEG] [--act DEG] --person1 N [--person2 N|none] --year BE "
    "[--today DATE] [--data DIR] [--pdf FILE] [--png FILE]";
constexpr std::string_view kAllowedDegrees =
    "a degree 0 ... 359.9 in steps of 0.1, written as the window takes it (0, 45, 359.9; not 45.0, 045 or "
    "360)";

}  // namespace

int RunGeneralCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (IsListRun(args, kOptions)) return RunPageListCommand(kCommand, RunGeneralCommand, args, out, err);
    const auto parsed =
        ParseOmenaryArguments(kCommand, args, kOptions, {"--back", "--person1", "--year"}, kUsage, err);
    if (!parsed) return kExitRefused;

    const auto person1 = BranchItemOf(parsed->Value("--person1"), std::nullopt);
    if (!person1)
        return Refuse(err, kCommand, "--person1", parsed->Value("--person1"), "a branch code 1 ... 12");
    const auto person2 = BranchItemOf(parsed->Value("--person2", "none"), general::kNoPerson);
    if (!person2)
        return Refuse(err, kCommand, "--person2", parsed->Value("--person2"),
                      "a branch code 1 ... 12 or none");
    const auto run = ParseRunOptions(kCommand, *parsed, err);
    if (!run) return kExitRefused;

    ProgramRun program(kCommand, *run);
    if (const int status = program.Start(err); status != kExitOk) return status;
    shell::Omenary& logic = program.Logic();

    // The inputs, each through its widget's own validation.
    general::GeneralValues& values = logic.general;
    values.ComboBoxBudhaYearProcess = parsed->Value("--year");
    if (general::YearOfWorkUpdate(values, logic.shell.yearItems, program.Messages()) == Leave::Refused)
        return Refuse(err, kCommand, "--year", parsed->Value("--year"),
                      AllowedYears(logic.shell.yearItems, WithCodes()));
    const std::pair<Aspect, const char*> directions[] = {
        {Aspect::BackOfHome,      "--back"},
        { Aspect::Prominent, "--prominent"},
        {   Aspect::Perform,       "--act"}
    };
    for (const auto& [aspect, option] : directions) {
        if (!parsed->Has(option)) continue;  // the direction above it was copied down
        values[aspect].Editaspect = parsed->Value(option);
        if (general::EditaspectExit(values, aspect) == Leave::Refused)
            return Refuse(err, kCommand, option, parsed->Value(option), kAllowedDegrees);
    }
    values.ComboBoxperson1 = *person1;
    values.ComboBoxperson2 = *person2;
    if (general::ComboBoxperson1Exit(values) == Leave::Refused ||
        general::ComboBoxperson2Exit(values) == Leave::Refused)
        return Refuse(err, kCommand, "--person1", parsed->Value("--person1"), "a branch code 1 ... 12");

    // The calculate button.
    report::Page page = general::GeneralPage();
    CommandLineView view;
    if (!general::ButtoncalculateomenaryClick(values, page, program.Today(), program.Pictures(),
                                              program.Messages(), view))
        return program.Failed(err);

    return program.Finish(page, shell::Tab::General, out, err);
}

}  // namespace omenary::cli
