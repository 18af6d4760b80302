// What the tests of the omenary commands share: the JSON a run printed, the check of a refused
// argument, and a working directory made of the shipped data with one file left out.
#pragma once

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <string>

#include "tests/cli/run_cli.h"
#include "tests/temp_folder.h"

namespace omenary::testing {

inline QJsonObject Json(const CliOutcome& run) {
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

// Status 2, the argument and what was given named with what is allowed, nothing on standard output.
inline void ExpectRefused(const CliOutcome& run, const std::string& named) {
    EXPECT_EQ(run.status, 2) << named;
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("allowed"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << named;
}

class CommandFilesTest : public TempFolderTest {
  protected:
    // A working directory made of the shipped data/ but the file left out.
    std::filesystem::path DataWithout(const std::string& missing) {
        const std::filesystem::path data = root_ / "data";
        std::filesystem::remove_all(data);
        std::filesystem::create_directories(data);
        for (const auto& entry : std::filesystem::directory_iterator(OMENARY_DATA_DIR))
            if (entry.path().filename() != missing)
                std::filesystem::copy_file(entry.path(), data / entry.path().filename());
        return data;
    }
};

}  // namespace omenary::testing
