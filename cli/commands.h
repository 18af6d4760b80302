// The subcommand handlers of omenary-cli; each takes the arguments after the subcommand's name.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace omenary::cli {

// calendar --from BE --to BE --out DIR [--split YEARS]
int RunCalendarCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// general --back DEG [--prominent DEG] [--act DEG] --person1 N [--person2 N|none] --year BE ...
int RunGeneralCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// marriage --groom BE --bride BE [--groom-father N|none] [--groom-mother N|none] ...
int RunMarriageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// coin --stem S --branch B --start BE-MM-DD [--landscape] [--center] ...
int RunCoinCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Whether --list is among the options (in either form; not a value, not after "--"), as read with
// the options of a single run of the command (own, besides the run options).
bool IsListRun(const std::vector<std::string>& args, std::span<const OptionSpec> own);

// coin --list FILE --start BE-MM-DD ...: one envelope per row of a spreadsheet's list.
int RunCoinListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// general|marriage --list FILE ...: one page per line of a JSON-lines file, each line the options
// of one run of the command.
using ListedCommand = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunPageListCommand(std::string_view command, ListedCommand run, const std::vector<std::string>& args,
                       std::ostream& out, std::ostream& err);

// page general|marriage|coin [--data DIR] [--pdf FILE] [--png FILE]
int RunPageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace omenary::cli
