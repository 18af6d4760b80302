#include "core/platform/profile.h"

#include <gtest/gtest.h>

#include "tests/temp_folder.h"

namespace omenary::platform {
namespace {

namespace fs = std::filesystem;

class ProfileTest : public omenary::testing::TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        path_ = root_ / "MorvitOmenary.ini";
    }

    void Put(const std::string& content) { Write(path_, content); }
    std::string Content() const { return Read(path_); }
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(root_), fs::directory_iterator()));
    }

    fs::path path_;
};

TEST_F(ProfileTest, ReadsSectionsAndKeysIgnoringCase) {
    Put("; comment\r\n[options]\r\n landscape = True "
        "\r\nCenterOnPage=False\r\n[DIR]\r\nCurrent=/home/x/data\r\n"
        "[Quoted]\r\nDouble=\"True\"\r\nSingle='True'\r\nOdd=\"True\r\n");
    const ProfileFile profile(path_);
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {    "Options",    "Landscape",         "True"},
        {    "OPTIONS", "centeronpage",        "False"},
        {        "dir",      "CURRENT", "/home/x/data"},
        {    "Options",      "Current",             ""},
        {"Application",          "Run",             ""},
        {    "Options",     "Landscap",             ""},
        {     "Quoted",       "Double",         "True"},
        {     "Quoted",       "Single",         "True"},
        {     "Quoted",          "Odd",       "\"True"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(profile.Read(c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST_F(ProfileTest, MissingFileReadsEmptyAndTheFirstWriteCreatesIt) {
    ProfileFile profile(path_);
    EXPECT_EQ(profile.Read("Application", "Run"), "");
    ASSERT_TRUE(profile.Write("Application", "Run", "True"));
    ASSERT_TRUE(profile.Write("DIR", "Current", "/data"));
    EXPECT_EQ(Content(), "[Application]\nRun=True\n\n[DIR]\nCurrent=/data\n");
    EXPECT_EQ(profile.Read("application", "run"), "True");
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineAndTheFileLineEnds) {
    Put("; "
        "kept\r\n[Application]\r\nrun=False\r\nOther=1\r\n\r\n[Options]\r\nLandscape=True\r\n\r\n[Extra]"
        "\r\nx=y\r\n");
    ProfileFile profile(path_);
    ASSERT_TRUE(profile.Write("APPLICATION", "Run", "True"));
    ASSERT_TRUE(profile.Write("Options", "CenterOnPage", "False"));
    EXPECT_EQ(Content(),
              "; kept\r\n[Application]\r\nrun=True\r\nOther=1\r\n\r\n[Options]\r\nLandscape=True\r\n"
              "CenterOnPage=False\r\n\r\n[Extra]\r\nx=y\r\n");
    EXPECT_EQ(FilesInFolder(), 1u);  // no temporary file left
}

TEST_F(ProfileTest, LongValuesAreCutAtTheLimitWithoutSplittingACharacter) {
    ProfileFile profile(path_);
    ASSERT_TRUE(profile.Write("DIR", "Current", std::string(3000, 'a')));
    EXPECT_EQ(profile.Read("DIR", "Current").size(), ProfileFile::kMaxValueLength);
    std::string thai;
    while (thai.size() < 2100)
        thai += "ก";  // three bytes each
    ASSERT_TRUE(profile.Write("DIR", "Current", thai));
    const std::string read = profile.Read("DIR", "Current");
    EXPECT_LE(read.size(), ProfileFile::kMaxValueLength);
    EXPECT_EQ(read.size() % 3, 0u);
}

TEST_F(ProfileTest, UnusableFilesReadAsEmptyAndAreNeverOverwritten) {
    struct Case {
        const char* name;
        std::string content;
    };
    const Case cases[] = {
        {  "binary",                   std::string("[Options]\nLandscape=True\n\0\x01\x02",  29)},
        {"enormous", "[Options]\nLandscape=True\n" + std::string(ProfileFile::kMaxFileSize, 'x')},
    };
    for (const Case& c : cases) {
        Put(c.content);
        ProfileFile profile(path_);
        EXPECT_EQ(profile.Read("Options", "Landscape"), "") << c.name;
        ProfileFile::WriteFailure failure;
        EXPECT_FALSE(profile.Write("Application", "Run", "True", &failure)) << c.name;
        EXPECT_EQ(failure.kind, ProfileFile::WriteFailure::Kind::NotSettings) << c.name;
        EXPECT_EQ(Content(), c.content) << c.name;
        EXPECT_EQ(FilesInFolder(), 1u) << c.name;
    }
}

TEST_F(ProfileTest, AWriteThatCannotHappenSaysWhyAndLeavesNothingBehind) {
    ProfileFile inMissingFolder(root_ / "absent" / "MorvitOmenary.ini");
    ProfileFile::WriteFailure failure;
    EXPECT_FALSE(inMissingFolder.Write("Application", "Run", "True", &failure));
    EXPECT_EQ(failure.error, ENOENT);

    fs::create_directories(path_);  // a folder where the file should be
    ProfileFile onAFolder(path_);
    EXPECT_FALSE(onAFolder.Write("Application", "Run", "True", &failure));
    EXPECT_EQ(failure.error, EISDIR);
    EXPECT_TRUE(fs::is_directory(path_));
    EXPECT_EQ(FilesInFolder(), 1u);
}

}  // namespace
}  // namespace omenary::platform
