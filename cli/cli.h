// The command-line contract: subcommands, their arguments and exit statuses.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace omenary::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;   // a file that cannot be read or written
inline constexpr int kExitRefused = 2;  // an argument or a subcommand refused

// Runs one invocation; args excludes the program name. JSON and reports go to out, messages to err.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace omenary::cli
