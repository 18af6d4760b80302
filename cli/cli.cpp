#include "cli/cli.h"

#include <array>
#include <ostream>
#include <string_view>

#include "cli/commands.h"

namespace omenary::cli {

namespace {

constexpr std::string_view kVersion = OMENARY_VERSION;

using Handler = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

struct Subcommand {
    std::string_view name;
    std::string_view usage;
    Handler handler;
};

constexpr std::array<Subcommand, 6> kSubcommands = {
    {
     {"general",
     "general  --back DEG [--prominent DEG] [--act DEG] --person1 N [--person2 N|none]\n"
     "                     --year BE [--today DATE] [--data DIR] [--pdf FILE] [--png FILE]",
     RunGeneralCommand},
     {"marriage",
     "marriage --groom BE --bride BE [--groom-father N|none] [--groom-mother N|none]\n"
     "                     [--bride-father N|none] [--bride-mother N|none]\n"
     "                     [--today DATE] [--data DIR] [--pdf FILE] [--png FILE]",
     RunMarriageCommand},
     {"coin",
     "coin     --stem S --branch B --start BE-MM-DD [--landscape] [--center]\n"
     "                     [--today DATE] [--data DIR] [--pdf FILE] [--png FILE]\n"
     "  omenary-cli coin     --list FILE --start BE-MM-DD [--landscape] [--center]\n"
     "                     [--today DATE] [--data DIR] [--pdf FILE] [--png DIR] [--print [PRINTER]]",
     RunCoinCommand},
     {"",
     "general|marriage --list FILE [--today DATE] [--data DIR] [--pdf FILE] [--png DIR] [--print "
     "[PRINTER]]",
     nullptr},
     {"calendar", "calendar --from BE --to BE --out DIR [--split YEARS]", RunCalendarCommand},
     {"page", "page     general|marriage|coin [--data DIR] [--pdf FILE] [--png FILE]", RunPageCommand},
     }
};

void PrintHelp(std::ostream& out) {
    out << "Usage:\n";
    for (const Subcommand& command : kSubcommands)
        out << "  omenary-cli " << command.usage << "\n";
    out << "\n"
           "general, marriage, coin: compute an omenary and print its working values and page as JSON.\n"
           "calendar: write HOROSCOPE.INI and the calendar data files for BE years FROM ... TO.\n"
           "page: render a page as it stands before any fill.\n"
           "DEG is a degree as typed in the window (0 ... 359.9), N a branch code 1 ... 12, BE a Buddhist\n"
           "Era year from the calendar, DATE YYYY-MM-DD (the system date; default today).\n"
           "Exit status: 0 success, 1 a file could not be read or written, 2 an argument was refused.\n"
           "--print [PRINTER] sends the page to the default or the named printer; --version prints the\n"
           "version.\n";
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintHelp(err);
        return kExitRefused;
    }
    if (args.front() == "--help" || args.front() == "-h" || args.front() == "help") {
        PrintHelp(out);
        return kExitOk;
    }
    if (args.front() == "--version") {
        out << "omenary-cli " << kVersion << "\n";
        return kExitOk;
    }
    for (const Subcommand& command : kSubcommands) {
        if (command.handler == nullptr || command.name != args.front()) continue;
        return command.handler(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    err << "omenary-cli: unknown subcommand '" << args.front()
        << "'; allowed: general, marriage, coin, calendar, page (see --help)\n";
    return kExitRefused;
}

}  // namespace omenary::cli
