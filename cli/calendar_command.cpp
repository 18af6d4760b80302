// omenary-cli calendar: writes "HOROSCOPE.INI" and the calendar data files for a range of BE years.
#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <string_view>

#include "cli/cli.h"
#include "cli/commands.h"
#include "core/calendar/generator.h"
#include "core/common/text.h"

namespace omenary::cli {

namespace {

constexpr std::string_view kOptions[] = {"--from", "--to", "--out", "--split"};

std::optional<int> WholeNumberIn(const std::string& text, long long low, long long high) {
    const auto value = ParseDigits(text);
    if (!value || *value < low || *value > high) return std::nullopt;
    return static_cast<int>(*value);
}

int Refuse(std::ostream& err, std::string_view option, std::string_view given, std::string_view allowed) {
    err << "omenary-cli calendar: " << option << " '" << given << "' refused; allowed: " << allowed << "\n";
    return kExitRefused;
}

}  // namespace

int RunCalendarCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::map<std::string, std::string, std::less<>> given;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (std::find(std::begin(kOptions), std::end(kOptions), option) == std::end(kOptions))
            return Refuse(err, "argument", option, "--from, --to, --out, --split");
        if (i + 1 >= args.size()) return Refuse(err, option, "", "a value after it");
        if (!given.emplace(option, args[i + 1]).second)
            return Refuse(err, option, args[i + 1], "one value only");
    }
    const std::string years = "a BE year " + std::to_string(calendar::kGeneratorFirstYear) + " ... " +
                              std::to_string(calendar::kGeneratorLastYear);
    for (const char* required : {"--from", "--to", "--out"})
        if (!given.contains(required)) {
            err << "omenary-cli calendar: " << required
                << " is missing; usage: calendar --from BE --to BE --out DIR "
                << "[--split YEARS]\n";
            return kExitRefused;
        }
    const auto from =
        WholeNumberIn(given["--from"], calendar::kGeneratorFirstYear, calendar::kGeneratorLastYear);
    if (!from) return Refuse(err, "--from", given["--from"], years);
    const auto to = WholeNumberIn(given["--to"], calendar::kGeneratorFirstYear, calendar::kGeneratorLastYear);
    if (!to) return Refuse(err, "--to", given["--to"], years);
    if (*to < *from)
        return Refuse(err, "--to", given["--to"], years + " not before --from " + given["--from"]);
    if (given["--out"].empty()) return Refuse(err, "--out", "", "a folder");
    int split = *to - *from + 1;
    if (given.contains("--split")) {
        const auto value = WholeNumberIn(given["--split"], 1, 1'000'000);
        if (!value) return Refuse(err, "--split", given["--split"], "a whole number of years, 1 or more");
        split = *value;
    }

    const auto files = calendar::GenerateCalendar(*from, *to, split);
    const std::string failure = calendar::WriteCalendarFiles(given["--out"], files);
    if (!failure.empty()) {
        err << "omenary-cli calendar: " << failure << "\n";
        return kExitFailed;
    }
    for (const calendar::CalendarFile& file : files)
        out << "wrote " << (std::filesystem::path(given["--out"]) / file.name).string() << "\n";
    return kExitOk;
}

}  // namespace omenary::cli
