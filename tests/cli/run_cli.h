// Running omenary-cli from the tests: in this process through its entry function, or as the real
// program the way scripts run it.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace omenary::testing {

struct CliOutcome {
    int status;
    std::string out;
    std::string err;
};

inline CliOutcome RunCliInProcess(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

// A whole shell command line (environment settings, another copy of the program); both streams
// captured.
inline CliOutcome RunCommandLine(const std::string& line) {
    const std::filesystem::path errFile =
        std::filesystem::temp_directory_path() / ("omenary-cli-err-" + std::to_string(::getpid()));
    const std::string command = line + " 2>" + errFile.string();
    CliOutcome outcome{-1, "", ""};
    if (FILE* pipe = popen(command.c_str(), "r"); pipe != nullptr) {
        char buffer[4096];
        std::size_t read = 0;
        while ((read = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            outcome.out.append(buffer, read);
        const int status = pclose(pipe);
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::ifstream err(errFile);
    std::ostringstream text;
    text << err.rdbuf();
    outcome.err = text.str();
    std::filesystem::remove(errFile);
    return outcome;
}

// The program itself with the arguments (quoted as the shell needs them); both streams captured.
inline CliOutcome RunCliProcess(const std::string& args) {
    return RunCommandLine(std::string(OMENARY_CLI_PATH) + " " + args);
}

}  // namespace omenary::testing
