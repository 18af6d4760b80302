// The files omenary-cli writes, run as scripts run it: each output is written or refused naming it,
// and nothing that stood before is lost.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

#include "tests/cli/run_cli.h"
#include "tests/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using OutputFiles = omenary::testing::TempFolderTest;

std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(OutputFiles, EachIsWrittenOrRefusedNamingItAndNothingThatStoodIsLost) {
    const std::string page = std::string(OMENARY_CLI_PATH) + " page coin --data " OMENARY_DATA_DIR;
    const std::string longName(246, 'n');  // with ".pdf" 250 bytes: a temporary's name must be shorter
    const auto old = [](const fs::path& file) { Write(file, "old"); };
    const auto stale = [&](const fs::path& file) {
        old(file);
        fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    };
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> before;
        std::string line;  // "@" stands for the case's folder
        int status;
        const char* said;  // on standard error
        std::function<bool(const fs::path&, const std::string& out)> after;
    };
    // clang-format off
    const Case cases[] = {
        {"one file for both", [](const fs::path&) {}, page + " --pdf @/a --png @/./a", 2, "--png '@/./a' refused",
         [](const fs::path& d, const std::string&) { return Entries(d) == 0; }},
        {"one file through a link", [](const fs::path& d) { fs::create_symlink("a", d / "b"); }, page + " --pdf @/a --png @/b", 2, "--png",
         [](const fs::path& d, const std::string&) { return Entries(d) == 1; }},
        {"read-only", [&](const fs::path& d) { old(d / "a.pdf"), ::chmod((d / "a.pdf").c_str(), 0444); }, page + " --pdf @/a.pdf", 1,
         "@/a.pdf: cannot be written (the file is read-only)", [](const fs::path& d, const std::string&) { return Read(d / "a.pdf") == "old"; }},
        {"/dev/stdout into a pipe", [](const fs::path&) {}, page + " --pdf /dev/stdout", 0, "",
         [](const fs::path&, const std::string& out) { return out.starts_with("%PDF-"); }},
        {"a FIFO nobody reads", [](const fs::path& d) { ::mkfifo((d / "f").c_str(), 0600); }, "timeout 20 " + page + " --pdf @/f", 1,
         "@/f: cannot be written (no reader", [](const fs::path& d, const std::string&) { return fs::is_fifo(d / "f"); }},
        {"xcb without a display", [](const fs::path&) {}, "QT_QPA_PLATFORM=xcb DISPLAY= WAYLAND_DISPLAY= " + page + " --png @/a.png", 0, "",
         [](const fs::path& d, const std::string&) { return !Read(d / "a.png").empty(); }},
        {"a name of 250 bytes", [](const fs::path&) {}, page + " --pdf @/" + longName + ".pdf", 0, "",
         [&](const fs::path& d, const std::string&) { return !Read(d / (longName + ".pdf")).empty(); }},
        {"no hard links", [&](const fs::path& d) { old(d / "a.pdf"), old(d / "a.png"); },
         "ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0 LD_PRELOAD=" OMENARY_NO_HARD_LINKS " " + page + " --pdf @/a.pdf --png @/a.png", 0, "",
         [](const fs::path& d, const std::string&) { return Read(d / "a.pdf") != "old" && Read(d / "a.png") != "old" && Entries(d) == 2; }},
        {"temporaries of a killed run", [&](const fs::path& d) { old(d / "a.pdf"), stale(d / ".a.pdf.new.Ab12Cd"), stale(d / ".a.pdf.old.Ab12Cd"); },
         page + " --pdf @/a.pdf", 0, "", [](const fs::path& d, const std::string&) { return Entries(d) == 1; }},
        {"a killed run's calendar", [&](const fs::path& d) { fs::create_directory(d / "c"), stale(d / "c" / ".HOROSCOPE.INI.new.Ab12Cd"); },
         std::string(OMENARY_CLI_PATH) + " calendar --from 2547 --to 2547 --out @/c", 0, "",
         [](const fs::path& d, const std::string&) { return Entries(d / "c") == 2; }},
    };
    // clang-format on
    for (const Case& c : cases) {
        const fs::path folder = root_ / std::to_string(&c - cases);
        fs::create_directories(folder);
        c.before(folder);
        std::string line = c.line, said = c.said;
        for (std::string* text : {&line, &said})
            for (std::size_t at; (at = text->find('@')) != std::string::npos;)
                text->replace(at, 1, folder.string());
        const auto run = omenary::testing::RunCommandLine(line);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.err;
        EXPECT_TRUE(c.status == 0 || run.out.empty()) << c.name;
        EXPECT_NE(run.err.find(said), std::string::npos) << c.name << ": " << run.err;
        EXPECT_TRUE(c.after(folder, run.out)) << c.name;
    }
}

}  // namespace
