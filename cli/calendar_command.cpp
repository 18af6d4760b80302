// omenary-cli calendar: writes "HOROSCOPE.INI" and the calendar data files for a range of BE years.
#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/cli.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/calendar/generator.h"
#include "core/common/text.h"

namespace omenary::cli {

namespace {

constexpr std::string_view kCommand = "calendar";
constexpr OptionSpec kOptions[] = {{"--from"}, {"--to"}, {"--out"}, {"--split"}};
constexpr std::string_view kUsage = "calendar --from BE --to BE --out DIR [--split YEARS]";

std::optional<int> WholeNumberIn(const std::string& text, long long low, long long high) {
    const auto value = ParseDigits(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return static_cast<int>(*value);
}

int Refuse(std::ostream& err, std::string_view option, std::string_view given, std::string_view allowed) {
    return cli::Refuse(err, kCommand, option, given, allowed);
}

}  // namespace

int RunCalendarCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = Arguments::Parse(kCommand, args, kOptions, err);
    if (!parsed) return kExitRefused;
    if (!parsed->Words().empty())
        return Refuse(err, "argument", parsed->Words().front(), "--from, --to, --out, --split");
    const std::string years = "a BE year " + std::to_string(calendar::kGeneratorFirstYear) + " ... " +
                              std::to_string(calendar::kGeneratorLastYear);
    for (const char* required : {"--from", "--to", "--out"})
        if (!parsed->Has(required)) return RefuseMissing(err, kCommand, required, kUsage);
    const auto from =
        WholeNumberIn(parsed->Value("--from"), calendar::kGeneratorFirstYear, calendar::kGeneratorLastYear);
    if (!from) return Refuse(err, "--from", parsed->Value("--from"), years);
    const auto to =
        WholeNumberIn(parsed->Value("--to"), calendar::kGeneratorFirstYear, calendar::kGeneratorLastYear);
    if (!to) return Refuse(err, "--to", parsed->Value("--to"), years);
    if (*to < *from)
        return Refuse(err, "--to", parsed->Value("--to"),
                      years + " not before --from " + parsed->Value("--from"));
    if (parsed->Value("--out").empty()) return Refuse(err, "--out", "", "a folder");
    int split = *to - *from + 1;
    if (parsed->Has("--split")) {
        const auto value = WholeNumberIn(parsed->Value("--split"), 1, 1'000'000);
        if (!value)
            return Refuse(err, "--split", parsed->Value("--split"), "a whole number of years, 1 or more");
        split = *value;
    }

    const auto files = calendar::GenerateCalendar(*from, *to, split);
    const std::string failure = calendar::WriteCalendarFiles(parsed->Value("--out"), files);
    if (!failure.empty()) {
        err << "omenary-cli calendar: " << failure << "\n";
        return kExitFailed;
    }
    for (const calendar::CalendarFile& file : files)
        out << "wrote " << (std::filesystem::path(parsed->Value("--out")) / file.name).string() << "\n";
    return kExitOk;
}

}  // namespace omenary::cli
