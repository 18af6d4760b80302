// omenary-cli marriage: one run of the program's marriage omenary, from its first start to the
// filled page, through the same handlers the window calls.
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/astro/cycles.h"
#include "core/marriage/marriage_fill.h"
#include "core/marriage/marriage_page.h"
#include "core/marriage/tab_handlers.h"
#include "core/shell/omenary.h"

namespace omenary::cli {

namespace {

using marriage::Parent;
using marriage::Person;

constexpr std::string_view kCommand = "marriage";
constexpr OptionSpec kOptions[] = {{"--groom"},        {"--bride"},        {"--groom-father"},
                                   {"--groom-mother"}, {"--bride-father"}, {"--bride-mother"}};
constexpr std::string_view kUsage =
    "marriage --groom BE --bride BE [--groom-father N|none] [--groom-mother N|none] [--bride-father N|none] "
    "[--bride-mother N|none] [--today DATE] [--data DIR] [--pdf FILE] [--png FILE]";

constexpr std::pair<Person, const char*> kYears[] = {
    {Person::Groom, "--groom"},
    {Person::Bride, "--bride"},
};
constexpr std::pair<Parent, const char*> kParentOptions[] = {
    {Parent::GroomFather, "--groom-father"},
    {Parent::GroomMother, "--groom-mother"},
    {Parent::BrideFather, "--bride-father"},
    {Parent::BrideMother, "--bride-mother"},
};

}  // namespace

int RunMarriageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (IsListRun(args, kOptions)) return RunPageListCommand(kCommand, RunMarriageCommand, args, out, err);
    const auto parsed = ParseOmenaryArguments(kCommand, args, kOptions, {"--groom", "--bride"}, kUsage, err);
    if (!parsed) return kExitRefused;
    // A parent omitted leaves the list's empty item; "none" selects it.
    std::optional<std::string> parentItems[std::size(kParentOptions)];
    for (std::size_t i = 0; i < std::size(kParentOptions); ++i) {
        const char* option = kParentOptions[i].second;
        parentItems[i] = BranchItemOf(parsed->Value(option, "none"), "");
        if (!parentItems[i])
            return Refuse(err, kCommand, option, parsed->Value(option), "a branch code 1 ... 12 or none");
    }
    const auto run = ParseRunOptions(kCommand, *parsed, err);
    if (!run) return kExitRefused;

    ProgramRun program(kCommand, *run);
    if (const int status = program.Start(err); status != kExitOk) return status;
    shell::Omenary& logic = program.Logic();

    // The inputs, each through its list's own validation, groom and bride first.
    marriage::MarriageValues& values = logic.marriage;
    const std::vector<std::string>& years = logic.shell.yearItems;
    for (const auto& [person, option] : kYears) {
        values.*marriage::FieldsOf(person).ComboBoxYear = parsed->Value(option);
        const std::size_t before = program.Messages().Entries().size();
        if (marriage::ComboBoxYearExit(values, person, years, program.Pictures(), program.Messages()) ==
            Leave::Refused)
            // A calendar of the user's own may list years without glyphs: then those are named too.
            return Refuse(
                err, kCommand, option, parsed->Value(option),
                AllowedYears(years, years.empty() || astro::YearHasCodes(years.front()) ? std::string()
                                                                                        : WithCodes()));
        // A glyph the tab could not show was reported: the run has failed on that file.
        if (program.Messages().Entries().size() != before) return program.Failed(err);
    }
    for (std::size_t i = 0; i < std::size(kParentOptions); ++i) {
        const auto [parent, option] = kParentOptions[i];
        values.*marriage::FieldsOf(parent).list = *parentItems[i];
        if (marriage::ComboBoxParentExit(values, parent) == Leave::Refused)
            return Refuse(err, kCommand, option, parsed->Value(option), "a branch code 1 ... 12 or none");
    }

    // The calculate button.
    report::Page page = marriage::MarriagePage();
    CommandLineView view;
    if (!marriage::ButtonCalcOmenaryMarryClick(values, page, program.Today(), program.Pictures(),
                                               program.Messages(), view))
        return program.Failed(err);

    return program.Finish(page, shell::Tab::Marriage, out, err);
}

}  // namespace omenary::cli
