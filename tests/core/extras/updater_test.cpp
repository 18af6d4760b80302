#include "core/extras/updater.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>

#include "tests/shell_fixture.h"

namespace omenary::extras {
namespace {

namespace fs = std::filesystem;

class ExtrasUpdater : public omenary::testing::ShellFixture {
  protected:
    fs::path D() const { return root_ / "morvit"; }
    fs::path Source() const { return root_ / "disc" / "UpdateMORVIT292" / "MORVIT.EXE"; }
    bool Ini(const std::string& current, const std::string& cd) {
        Write(Windows() / "morvit.ini", "[DIR]\r\nCurrent=" + current + "\r\nCDDrive=" + cd + "\r\n");
        return true;
    }
    // The sibling's program in D; the new one read-only on the update source, as on a disc.
    void Arrange() {
        fs::remove_all(D());
        fs::remove_all(root_ / "disc");
        fs::create_directories(D());
        fs::create_directories(Source().parent_path());
        Write(D() / "MORVIT.exe", "old");
        Write(Source(), "new");
        fs::permissions(Source(), fs::perms(0444));
        Ini(D().string(), (root_ / "disc").string());
    }
    // D refuses new entries. Root writes whatever the folder's mode says, so for root the folder
    // also gets the immutable attribute; false when that cannot be set here.
    bool Freeze(bool on) {
        std::error_code error;
        fs::permissions(D(), fs::perms(on ? 0555 : 0755), error);
        const std::string chattr =
            std::string("chattr ") + (on ? "+i " : "-i ") + D().string() + " 2>/dev/null";
        return ::geteuid() != 0 || std::system(chattr.c_str()) == 0 || !on;
    }
    // Every entry of the test's folder: files by content, links by target.
    std::map<std::string, std::string> Tree() const {
        std::map<std::string, std::string> tree;
        for (const auto& entry : fs::recursive_directory_iterator(root_)) {
            const std::string name = fs::relative(entry.path(), root_).string();
            tree[name] = entry.is_symlink()     ? "-> " + fs::read_symlink(entry.path()).string()
                         : entry.is_directory() ? "<folder>"
                                                : Read(entry.path());
        }
        return tree;
    }
};

TEST_F(ExtrasUpdater, ReplacesTheProgramOnlyOnceTheNewCopyIsWholeAndWritesNothingElse) {
    const std::vector<std::string_view> replaced = {kDeleted, kUpdated}, refused = {kNotUpdated};
    const std::string disc = (root_ / "disc").string();
    struct Case {
        const char* name;
        std::function<bool()> arrange;  // after Arrange(); false: this row cannot be set up here
        std::vector<std::string_view> statuses;
        bool replaced;  // the program holds the new copy afterwards
        bool batch;     // "atmorvit.bat" was written into D
        const char* target = "MORVIT.exe";
        const char* removed = nullptr;  // left by a killed run, gone afterwards
    };
    auto backslashes = [](std::string text) {
        return std::replace(text.begin(), text.end(), '/', '\\'), text;
    };
    // clang-format off
    const Case cases[] = {
        {"success", [] { return true; }, replaced, true, true},
        {"missing source", [&] { return fs::remove(Source()); }, refused, false, false},
        {"source is a folder", [&] { return fs::remove(Source()) && fs::create_directory(Source()); }, refused, false, false},
        // Opens as a regular file, but every read fails (address 0 is never mapped), even for root.
        {"source cannot be read", [&] { return fs::remove(Source()), fs::create_symlink("/proc/self/mem", Source()), true; },
         refused, false, true},
        {"D refuses writes", [&] { return Freeze(true); }, refused, false, false},
        {"no program before", [&] { return fs::remove(D() / "MORVIT.exe"); }, {kUpdated}, true, true},
        {"program name is a folder", [&] { return fs::remove(D() / "MORVIT.exe") && fs::create_directories(D() / "MORVIT.exe/in"); },
         {kNotDeleted, kNotUpdated}, false, false},
        {"letter case, backslashes", [&] {
             fs::rename(D() / "MORVIT.exe", D() / "morvit.EXE");
             fs::rename(Source(), Source().parent_path() / "Morvit.exe");
             fs::rename(Source().parent_path(), root_ / "disc" / "updatemorvit292");
             return Ini(backslashes(D().string()), backslashes(disc + "/"));
         }, replaced, true, true, "morvit.EXE"},
        {"CDDrive empty", [&] { return Ini(D().string(), ""); }, refused, false, false},
        {"Current empty", [&] { return Ini("", disc); }, refused, false, false},
        {"D missing", [&] { return Ini("/nonexistent/morvit", disc); }, refused, false, false},
        {"CDDrive relative", [&] { return Ini(D().string(), "disc"); }, refused, false, false},
        {"CDDrive climbs", [&] { return Ini(D().string(), D().string() + "/../disc"); }, refused, false, false},
        {"no morvit.ini", [&] { return fs::remove(Windows() / "morvit.ini"); }, {}, false, false},
        {"a killed run's copy", [&] {
             Write(D() / ".MORVIT.exe.new.Ab12Cd", "half a copy");
             fs::last_write_time(D() / ".MORVIT.exe.new.Ab12Cd", fs::file_time_type::clock::now() - std::chrono::hours(1));
             return true;
         }, replaced, true, true, "MORVIT.exe", ".MORVIT.exe.new.Ab12Cd"},
    };
    // clang-format on
    std::string skipped;
    for (const Case& c : cases) {
        Arrange();
        if (!c.arrange()) {
            skipped += std::string(" \"") + c.name + "\"";
            continue;
        }
        std::map<std::string, std::string> expected = Tree();
        const fs::path target = D() / c.target;
        const std::vector<std::string> lines = {"@Echo off", "attrib " + target.string() + " -r", "Exit"};
        if (c.replaced) expected["morvit/" + std::string(c.target)] = "new";
        if (c.removed != nullptr) expected.erase("morvit/" + std::string(c.removed));
        if (c.batch)
            expected["morvit/atmorvit.bat"] = lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n";
        messages_ = {};
        UpdaterValues values{"earlier", {}};

        EXPECT_EQ(BitBtnFile4Click(values, Windows(), messages_), c.statuses) << c.name;
        Freeze(false);
        EXPECT_EQ(values.LabelUpdateStatus, c.statuses.empty() ? "earlier" : c.statuses.back()) << c.name;
        EXPECT_EQ(messages_.Beeps(), c.statuses.empty() ? 0 : 1) << c.name;
        EXPECT_EQ(Tree(), expected) << c.name;
        if (c.replaced) {
            EXPECT_NE(fs::status(target).permissions() & fs::perms::owner_write, fs::perms::none) << c.name;
        }
        if (!c.batch) continue;
        EXPECT_EQ(values.MemoBATfile, lines) << c.name;
        Start().FormClose();
        EXPECT_FALSE(fs::exists(D() / "atmorvit.bat")) << c.name;
    }
    if (!skipped.empty()) GTEST_SKIP() << "as root without the immutable attribute, not run:" << skipped;
}

}  // namespace
}  // namespace omenary::extras
