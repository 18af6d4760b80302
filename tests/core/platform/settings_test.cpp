#include "core/platform/settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <functional>
#include <thread>
#include <vector>

#include "tests/temp_folder.h"

namespace omenary::platform {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public omenary::testing::TempFolderTest {};

// Each case prepares the folder, then the program writes twice, as two activations do, and reads
// the option back.
TEST_F(SettingsTest, EverySettingsFileAUserMayHaveIsHandledWithoutLosingIt) {
    const std::string binary("[Options]\nLandscape=True\n\0\x01", 27);
    const std::string enormous = std::string(ProfileFile::kMaxFileSize + 1, 'x');
    struct Case {
        const char* name;
        std::function<fs::path(const fs::path& folder)> prepare;  // returns the settings path
        bool written;            // Run=True lands in the file the program uses
        const char* landscape;   // what reading [Options] Landscape gives before the writes
        int messages;            // boxes shown over both writes
        const char* messageHas;  // a text the first box holds
    };
    const Case cases[] = {
        {                          "a binary file is kept aside and a fresh one starts",
         [&](const fs::path& folder) {
         Write(folder / "MorvitOmenary.ini", binary);
         return folder / "MorvitOmenary.ini";
         },  true,     "", 1,                                                                                "MorvitOmenary.ini.bad"                                         },
        {                                                   "an enormous file likewise",
         [&](const fs::path& folder) {
         Write(folder / "MorvitOmenary.ini", enormous);
         return folder / "MorvitOmenary.ini";
         },  true,     "", 1,                                                                                "MorvitOmenary.ini.bad"                                         },
        {                        "a read-only file stays as it is and is reported once",
         [](const fs::path& folder) {
         Write(folder / "MorvitOmenary.ini", "[Options]\nLandscape=True\n");
         fs::permissions(folder / "MorvitOmenary.ini", fs::perms::owner_read | fs::perms::group_read);
         return folder / "MorvitOmenary.ini";
         }, false, "True", 1,                                                  "อ่านได้อย่างเดียว"                                         },
        {                                          "a symbolic link is written through",
         [](const fs::path& folder) {
         fs::create_directories(folder / "real");
         Write(folder / "real" / "settings.ini", "[Options]\nLandscape=\"True\"\n");
         fs::create_symlink("real/settings.ini", folder / "MorvitOmenary.ini");
         return folder / "MorvitOmenary.ini";
         },  true, "True", 0,                                                                                                     ""                                         },
        {                     "no settings folder: said once, nothing written anywhere",
         [](const fs::path&) { return fs::path(); }, false,     "", 1,                                                                                      "XDG_CONFIG_HOME"},
        {"a folder in the file's place is named in the message, never a temporary file",
         [](const fs::path& folder) {
         fs::create_directories(folder / "MorvitOmenary.ini");
         return folder / "MorvitOmenary.ini";
         }, false,     "", 1, "MorvitOmenary.ini ได้ เพราะชื่อนี้เป็นโฟลเดอร์"                                         },
    };
    for (const Case& c : cases) {
        const fs::path folder = root_ / std::to_string(&c - cases);
        fs::create_directories(folder);
        const fs::path path = c.prepare(folder);
        RecordedMessages messages;
        Settings settings(path, messages);
        EXPECT_EQ(settings.Read("Options", "Landscape"), c.landscape) << c.name;
        const bool first = settings.Write("Application", "Run", "True");
        settings.Write("DIR", "Current", "/data");
        EXPECT_EQ(first, c.written) << c.name;
        ASSERT_EQ(messages.Entries().size(), static_cast<std::size_t>(c.messages)) << c.name;
        if (c.messages > 0) {
            EXPECT_NE(messages.Texts()[0].find(c.messageHas), std::string::npos)
                << c.name << ": " << messages.Texts()[0];
            EXPECT_EQ(messages.Texts()[0].find(".tmp"), std::string::npos) << c.name;
        }
        if (c.written) {
            EXPECT_EQ(ProfileFile(path).Read("Application", "Run"), "True") << c.name;
        }
        // Nothing but what the case made, the settings and a kept-aside copy is ever left behind.
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            EXPECT_EQ(entry.path().string().find(".tmp"), std::string::npos) << c.name;
    }
    // What the cases must have left in place.
    EXPECT_EQ(Read(root_ / "0" / "MorvitOmenary.ini.bad"), binary);
    EXPECT_EQ(Read(root_ / "1" / "MorvitOmenary.ini.bad").size(), enormous.size());
    EXPECT_EQ(Read(root_ / "2" / "MorvitOmenary.ini"), "[Options]\nLandscape=True\n");
    EXPECT_TRUE(fs::is_symlink(root_ / "3" / "MorvitOmenary.ini"));
    EXPECT_EQ(Read(root_ / "3" / "real" / "settings.ini"),
              "[Options]\nLandscape=\"True\"\n\n[Application]\nRun=True\n\n[DIR]\nCurrent=/data\n");
    EXPECT_TRUE(fs::is_empty(root_ / "4"));
}

TEST_F(SettingsTest, AReplacedFileKeepsItsPermissionsAndAnEarlierKeptCopyIsNotOverwritten) {
    const fs::path path = root_ / "MorvitOmenary.ini";
    Write(path, "[Application]\nRun=False\n");
    ::chmod(path.c_str(), 0600);
    RecordedMessages messages;
    Settings settings(path, messages);
    ASSERT_TRUE(settings.Write("Application", "Run", "True"));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    Write(root_ / "MorvitOmenary.ini.bad", "older");
    Write(path, std::string("\0\0", 2));
    ASSERT_TRUE(settings.Write("Application", "Run", "True"));
    EXPECT_EQ(Read(root_ / "MorvitOmenary.ini.bad"), "older");
    EXPECT_EQ(Read(root_ / "MorvitOmenary.ini.bad1"), std::string("\0\0", 2));
}

TEST_F(SettingsTest, AByteOrderMarkIsReadPastAndKeptAndStaleTemporariesAreRemoved) {
    const fs::path path = root_ / "MorvitOmenary.ini";
    Write(path, "\xEF\xBB\xBF[Application]\r\nRun=False\r\n");
    Write(root_ / "MorvitOmenary.ini.tmp999999999", "half a write");  // no process has this id
    Write(root_ / "MorvitOmenary.ini.tmpnotes", "not ours");
    RecordedMessages messages;
    Settings settings(path, messages);
    EXPECT_EQ(settings.Read("Application", "Run"), "False");
    ASSERT_TRUE(settings.Write("Application", "Run", "True"));
    EXPECT_EQ(Read(path), "\xEF\xBB\xBF[Application]\r\nRun=True\r\n");
    EXPECT_FALSE(fs::exists(root_ / "MorvitOmenary.ini.tmp999999999"));
    EXPECT_TRUE(fs::exists(root_ / "MorvitOmenary.ini.tmpnotes"));
}

// Writers of one settings file at once, each its own Settings as two programs have, and values the
// file cannot hold: no key written is lost, and no value breaks the file's lines.
TEST_F(SettingsTest, WritersKeepEachOthersKeysAndNeverBreakTheFilesLines) {
    constexpr int kKeys = 40;
    const std::string before = "[Options]\nLandscape=True\n", withNul("/home/a\0b", 9);
    const struct {
        int writers;
        std::string value;
    } cases[] = {
        {2,                               "/data"},
        {1, "/home/a\n[Options]\nLandscape=False"},
        {1,                  "/home/a\rRun=False"},
        {1,                               withNul}
    };
    for (const auto& c : cases) {
        const fs::path path = root_ / (std::to_string(&c - cases) + ".ini");
        Write(path, before);
        std::vector<std::thread> writers;
        for (int w = 0; w < c.writers; ++w)
            writers.emplace_back([&, w] {
                RecordedMessages shown;
                Settings settings(path, shown);
                for (int k = 0; k < kKeys; ++k)
                    settings.Write("Hammer", std::to_string(w) + "K" + std::to_string(k), c.value);
                EXPECT_EQ(shown.Entries().size(), c.writers == 1 ? 1u : 0u) << c.value;  // said once
            });
        for (std::thread& writer : writers)
            writer.join();
        EXPECT_EQ(Read(path) == before, c.writers == 1) << c.value;  // nothing unstorable written
        for (int w = 0, lost = 0; w < c.writers; ++w, lost = 0) {
            for (int k = 0; k < kKeys; ++k)
                lost +=
                    ProfileFile(path).Read("Hammer", std::to_string(w) + "K" + std::to_string(k)) != c.value;
            EXPECT_EQ(lost, c.writers == 1 ? kKeys : 0) << c.value;
        }
    }
}

}  // namespace
}  // namespace omenary::platform
