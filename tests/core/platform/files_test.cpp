#include "core/platform/files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace omenary::platform {
namespace {

namespace fs = std::filesystem;

class TempFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("omenary-files-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    void Touch(const std::string& name) { std::ofstream(folder_ / name) << "x"; }
    fs::path folder_;
};

TEST_F(TempFolder, FindsANameWhateverItsLetterCase) {
    Touch("OS0.bmp");
    Touch("HOROSCOPE.INI");
    for (const char* asked : {"os0.bmp", "OS0.BMP", "OS0.bmp", "Os0.Bmp"}) {
        const auto found = FindIgnoringCase(folder_, asked);
        ASSERT_TRUE(found) << asked;
        EXPECT_EQ(found->filename(), "OS0.bmp") << asked;
    }
    EXPECT_EQ(FindIgnoringCase(folder_, "horoscope.ini")->filename(), "HOROSCOPE.INI");
}

TEST_F(TempFolder, ExactNameWinsOverOtherSpellings) {
    Touch("ok.BMP");
    Touch("OK.bmp");
    EXPECT_EQ(FindIgnoringCase(folder_, "OK.bmp")->filename(), "OK.bmp");
    EXPECT_EQ(FindIgnoringCase(folder_, "ok.BMP")->filename(), "ok.BMP");
}

TEST_F(TempFolder, MissingFoldersDirectoriesAndPathsFindNothing) {
    fs::create_directories(folder_ / "BS1.BMP");
    EXPECT_FALSE(FindIgnoringCase(folder_, "bs1.bmp"));
    EXPECT_FALSE(FindIgnoringCase(folder_, "N1.BMP"));
    EXPECT_FALSE(FindIgnoringCase(folder_ / "absent", "N1.BMP"));
    EXPECT_FALSE(FindIgnoringCase(folder_, ""));
    Touch("N1.BMP");
    EXPECT_FALSE(FindIgnoringCase(folder_.parent_path(), folder_.filename().string() + "/N1.BMP"));
}

TEST_F(TempFolder, WindowsDirectoryFollowsXdgConfigHomeThenHome) {
    const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
    const std::string xdg = savedXdg ? savedXdg : "";

    ::setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
    EXPECT_EQ(WindowsDirectory(), folder_ / "config");
    EXPECT_TRUE(fs::is_directory(folder_ / "config"));

    ::unsetenv("XDG_CONFIG_HOME");
    ::setenv("HOME", folder_.c_str(), 1);
    EXPECT_EQ(WindowsDirectory(), folder_ / ".config");

    ::setenv("HOME", saved.c_str(), 1);
    if (savedXdg) ::setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
}

}  // namespace
}  // namespace omenary::platform
