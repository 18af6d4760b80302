// Running omenary-cli from the tests: in this process through its entry function, or as the real
// program the way scripts run it.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
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

// The program itself with the arguments (quoted as the shell needs them); both streams captured.
inline CliOutcome RunCliProcess(const std::string& args) {
    const std::filesystem::path errFile =
        std::filesystem::temp_directory_path() / ("omenary-cli-err-" + std::to_string(::getpid()));
    const std::string command = std::string(OMENARY_CLI_PATH) + " " + args + " 2>" + errFile.string();
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

// A refused run: status 2, standard error naming the argument and what is allowed, nothing on
// standard output.
inline void ExpectRefused(const CliOutcome& run, const std::string& named) {
    EXPECT_EQ(run.status, 2) << named;
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("allowed"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << named;
}

// A working directory made of the shipped data/ but the files left out.
inline std::filesystem::path CopyShippedData(const std::filesystem::path& folder,
                                             const std::set<std::string>& leftOut) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& entry : std::filesystem::directory_iterator(OMENARY_DATA_DIR))
        if (!leftOut.contains(entry.path().filename().string()))
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    return folder;
}

}  // namespace omenary::testing
