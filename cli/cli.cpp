#include "cli/cli.h"

#include <array>
#include <ostream>
#include <string_view>

#include "cli/commands.h"

namespace omenary::cli {

namespace {

constexpr std::string_view kVersion = OMENARY_VERSION;

using Handler = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The options every omenary command (general, marriage, coin) takes, and the value forms they share.
constexpr std::string_view kRunOptionsHelp =
    "  --today DATE           the system date the program runs on (default: today)\n"
    "  --data DIR             the data folder: pictures, calendar (default: .)\n"
    "  --pdf FILE             write the page as PDF to FILE\n"
    "  --png FILE             write the page as PNG to FILE (with --list: a folder\n"
    "                         DIR, one PNG per page)\n"
    "  --print [PRINTER]      send the page to the default or the named printer\n"
    "  --list FILE            one page per entry of FILE, each entry the options of\n"
    "                         one run\n";
constexpr std::string_view kDateHelp =
    "  DATE      a day YYYY-MM-DD; a year of 2400 or more is a Buddhist Era year\n";
constexpr std::string_view kYearHelp =
    "  BE        a Buddhist Era year from the calendar's lists (2548 is 2005)\n";
constexpr std::string_view kBranchHelp = "  N         a branch code 1 ... 12; none: no one\n";

struct Subcommand {
    std::string_view name;
    std::string_view usage;
    Handler handler;
    // What "omenary-cli NAME --help" prints after the usage: the options, the value forms, an example.
    std::array<std::string_view, 7> help;
};

constexpr std::array<Subcommand, 6> kSubcommands = {
    {
     {"general",
     "general  --back DEG [--prominent DEG] [--act DEG] --person1 N\n"
     "                     [--person2 N|none] --year BE [--today DATE] [--data DIR]\n"
     "                     [--pdf FILE] [--png FILE] [--print [PRINTER]]",
     RunGeneralCommand,
     {"Computes the general omenary and prints its working values and page as JSON.\n"
     "\nOptions:\n"
     "  --back DEG             the direction the back of the home faces\n"
     "  --prominent DEG        the prominent direction (default: --back's)\n"
     "  --act DEG              the direction acted towards (default: --prominent's)\n"
     "  --person1 N            the first person's year branch\n"
     "  --person2 N|none       the second person's year branch (default: none)\n"
     "  --year BE              the year of the work\n",
     kRunOptionsHelp,
     "\nValues:\n"
     "  DEG       a degree 0 ... 359.9 in steps of 0.1 as the window takes it\n"
     "            (0, 45, 359.9; not 45.0, 045 or 360)\n",
     kBranchHelp, kYearHelp, kDateHelp,
     "\nExample:\n"
     "  omenary-cli general --back 140 --person1 1 --year 2548 --pdf general.pdf\n"}},
     {"marriage",
     "marriage --groom BE --bride BE [--groom-father N|none]\n"
     "                     [--groom-mother N|none] [--bride-father N|none]\n"
     "                     [--bride-mother N|none] [--today DATE] [--data DIR]\n"
     "                     [--pdf FILE] [--png FILE] [--print [PRINTER]]",
     RunMarriageCommand,
     {"Computes the marriage omenary and prints its working values and page as JSON.\n"
     "\nOptions:\n"
     "  --groom BE             the groom's year of birth\n"
     "  --bride BE             the bride's year of birth\n"
     "  --groom-father N|none  the year branch of the groom's father (default: none)\n"
     "  --groom-mother N|none  the year branch of the groom's mother (default: none)\n"
     "  --bride-father N|none  the year branch of the bride's father (default: none)\n"
     "  --bride-mother N|none  the year branch of the bride's mother (default: none)\n",
     kRunOptionsHelp, "\nValues:\n", kBranchHelp, kYearHelp, kDateHelp,
     "\nExample:\n"
     "  omenary-cli marriage --groom 2517 --bride 2520 --groom-father 3 --pdf m.pdf\n"}},
     {"coin",
     "coin     --stem S --branch B --start BE-MM-DD [--landscape]\n"
     "                     [--center] [--today DATE] [--data DIR] [--pdf FILE]\n"
     "                     [--png FILE] [--print [PRINTER]]\n"
     "  omenary-cli coin     --list FILE --start BE-MM-DD [--landscape] [--center]\n"
     "                     [--today DATE] [--data DIR] [--pdf FILE] [--png DIR]\n"
     "                     [--print [PRINTER]]",
     RunCoinCommand,
     {"Computes the coin omenary and prints its working values and envelope as JSON.\n"
     "\nOptions:\n"
     "  --stem S               the giver's year stem\n"
     "  --branch B             the giver's year branch\n"
     "  --start BE-MM-DD       the first day searched for a good day\n"
     "  --landscape            print the envelope across the sheet\n"
     "  --center               center the envelope on the sheet\n",
     kRunOptionsHelp,
     "                         (for coin a spreadsheet's list of givers)\n"
     "\nValues:\n"
     "  S         a stem code 1 ... 10\n"
     "  B         a branch code 1 ... 12 that forms a year with S\n"
     "  BE-MM-DD  a day: a Buddhist Era year, a month 01 ... 12, a day 01 ... 31\n",
     kDateHelp,
     "\nExample:\n"
     "  omenary-cli coin --stem 3 --branch 7 --start 2547-01-05 --pdf coin.pdf\n"}},
     {"",
     "general|marriage --list FILE [--today DATE] [--data DIR]\n"
     "                     [--pdf FILE] [--png DIR] [--print [PRINTER]]",
     nullptr,
     {}},
     {"calendar",
     "calendar --from BE --to BE --out DIR [--split YEARS]",
     RunCalendarCommand,
     {"Writes HOROSCOPE.INI and the calendar data files for BE years FROM ... TO.\n"
     "\nOptions:\n"
     "  --from BE              the first year written\n"
     "  --to BE                the last year written (not before --from)\n"
     "  --out DIR              the folder the files are written to\n"
     "  --split YEARS          the years in one data file (default: all in one)\n"
     "\nValues:\n",
     kYearHelp, "  YEARS     a whole number, 1 or more\n",
     "\nExample:\n"
     "  omenary-cli calendar --from 2540 --to 2560 --out calendar --split 10\n"}},
     {"page",
     "page     general|marriage|coin [--data DIR] [--pdf FILE]\n"
     "                     [--png FILE]",
     RunPageCommand,
     {"Renders a page as it stands before any fill.\n"
     "\nOptions:\n"
     "  general|marriage|coin  the page (the envelope for coin)\n"
     "  --data DIR             the data folder: pictures, calendar (default: .)\n"
     "  --pdf FILE             write the page as PDF to FILE\n"
     "  --png FILE             write the page as PNG to FILE\n",
     "\nExample:\n"
     "  omenary-cli page marriage --png marriage.png\n"}},
     }
};

void PrintHelp(std::ostream& out) {
    out << "Usage:\n";
    for (const Subcommand& command : kSubcommands)
        out << "  omenary-cli " << command.usage << "\n";
    out << "  omenary-cli SUBCOMMAND --help\n"
           "  omenary-cli --version\n"
           "\n"
           "general, marriage, coin: compute an omenary and print its working values and\n"
           "page as JSON; --list FILE makes one page per entry of FILE.\n"
           "calendar: write HOROSCOPE.INI and the calendar data files for BE years\n"
           "FROM ... TO.\n"
           "page: render a page as it stands before any fill.\n"
           "DEG is a degree as typed in the window (0 ... 359.9), N a branch code 1 ... 12,\n"
           "BE a Buddhist Era year from the calendar, DATE YYYY-MM-DD (the system date;\n"
           "default today). --option=value works as --option value; -- ends the options.\n"
           "Exit status: 0 success, 1 a file could not be read or written, 2 an argument\n"
           "was refused.\n"
           "--print [PRINTER] sends the page to the default or the named printer; --version\n"
           "prints the version.\n";
}

// "--help" among a subcommand's options (not after "--", where it is a word).
bool AsksForHelp(const std::vector<std::string>& args) {
    for (auto arg = args.begin() + 1; arg != args.end() && *arg != "--"; ++arg)
        if (*arg == "--help" || *arg == "-h") return true;
    return false;
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
        if (args.size() > 1) {
            err << "omenary-cli: argument '" << args[1] << "' refused; allowed: nothing after --version\n";
            return kExitRefused;
        }
        out << "omenary-cli " << kVersion << "\n";
        return kExitOk;
    }
    for (const Subcommand& command : kSubcommands) {
        if (command.handler == nullptr || command.name != args.front()) continue;
        if (AsksForHelp(args)) {
            out << "Usage:\n  omenary-cli " << command.usage << "\n\n";
            for (const std::string_view part : command.help)
                out << part;
            return kExitOk;
        }
        return command.handler(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    }
    err << "omenary-cli: unknown subcommand '" << args.front()
        << "'; allowed: general, marriage, coin, calendar, page (see --help)\n";
    return kExitRefused;
}

}  // namespace omenary::cli
