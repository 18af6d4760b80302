// The handlers of the subcommands; each parses its own arguments (cli.cpp dispatches by name).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace omenary::cli {

// page general|marriage|coin [--data DIR] [--pdf FILE] [--png FILE]
int RunPageCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace omenary::cli
