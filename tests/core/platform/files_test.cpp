#include "core/platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/temp_folder.h"

namespace omenary::platform {
namespace {

namespace fs = std::filesystem;

class TempFolder : public omenary::testing::TempFolderTest {
  protected:
    void Touch(const std::string& name) { Write(root_ / name, "x"); }
};

TEST_F(TempFolder, FindsANameWhateverItsLetterCase) {
    Touch("OS0.bmp");
    Touch("HOROSCOPE.INI");
    for (const char* asked : {"os0.bmp", "OS0.BMP", "OS0.bmp", "Os0.Bmp"}) {
        const auto found = FindIgnoringCase(root_, asked);
        ASSERT_TRUE(found) << asked;
        EXPECT_EQ(found->filename(), "OS0.bmp") << asked;
    }
    EXPECT_EQ(FindIgnoringCase(root_, "horoscope.ini")->filename(), "HOROSCOPE.INI");
}

TEST_F(TempFolder, ExactNameWinsOverOtherSpellings) {
    Touch("ok.BMP");
    Touch("OK.bmp");
    EXPECT_EQ(FindIgnoringCase(root_, "OK.bmp")->filename(), "OK.bmp");
    EXPECT_EQ(FindIgnoringCase(root_, "ok.BMP")->filename(), "ok.BMP");
}

TEST_F(TempFolder, MissingFoldersDirectoriesAndPathsFindNothing) {
    fs::create_directories(root_ / "BS1.BMP");
    EXPECT_FALSE(FindIgnoringCase(root_, "bs1.bmp"));
    EXPECT_EQ(FindIgnoringCase(root_, "bs1.bmp", EntryKind::Folder), root_ / "BS1.BMP");
    EXPECT_EQ(FindIgnoringCase(root_, "bs1.bmp", EntryKind::Any), root_ / "BS1.BMP");
    EXPECT_FALSE(FindIgnoringCase(root_, "N1.BMP"));
    EXPECT_FALSE(FindIgnoringCase(root_ / "absent", "N1.BMP"));
    EXPECT_FALSE(FindIgnoringCase(root_, ""));
    Touch("N1.BMP");
    EXPECT_FALSE(FindIgnoringCase(root_, "n1.bmp", EntryKind::Folder));
    EXPECT_FALSE(FindIgnoringCase(root_.parent_path(), root_.filename().string() + "/N1.BMP"));
}

TEST_F(TempFolder, WindowsDirectoryFollowsXdgConfigHomeThenHome) {
    const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string xdg = savedXdg ? savedXdg : "";

    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    EXPECT_EQ(WindowsDirectory(), root_ / "config");
    EXPECT_TRUE(fs::is_directory(root_ / "config"));

    ::setenv("HOME", root_.c_str(), 1);
    // Unset, empty and relative values all fall back to HOME.
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "config"}) {
        if (ignored) ::setenv("XDG_CONFIG_HOME", ignored, 1);
        else ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(WindowsDirectory(), root_ / ".config") << (ignored ? ignored : "unset");
    }

    ::setenv("HOME", saved.c_str(), 1);
    if (savedXdg) ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
    else ::unsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace omenary::platform
