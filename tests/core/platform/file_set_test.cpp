#include "core/platform/file_set.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <thread>

#include "tests/temp_folder.h"

namespace omenary::platform {
namespace {

namespace fs = std::filesystem;

class FileSet : public omenary::testing::TempFolderTest {
  protected:
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(root_))
            names.insert(entry.path().filename().string());
        return names;
    }
};

// Each case: what stands before, the set written, whether it succeeds, and what stands after.
TEST_F(FileSet, EitherEveryFileIsWrittenOrEveryFileStaysAsItWas) {
    struct Case {
        const char* name;
        std::function<void(const fs::path&)> before;
        std::vector<std::string> targets;  // each written with "new <target>"
        bool succeeds;
        std::map<std::string, std::string> after;  // every regular file in the folder and its content
    };
    const auto file = [](const char* name, const char* content) {
        return [=](const fs::path& folder) { Write(folder / name, content); };
    };
    const Case cases[] = {
        {                                                    "new files",
         [](const fs::path&) {},
         {"a.pdf", "a.png"},
         true,{{"a.pdf", "new a.pdf"}, {"a.png", "new a.png"}}                                                                                                             },
        {                                           "old files replaced", file("a.pdf",    "old"), {"a.pdf"},                                             true,{{"a.pdf", "new a.pdf"}}},
        {"the second cannot be written: the first keeps its old content",
         file("a.pdf",    "old"),
         {"a.pdf", "missing/x.png"},
         false,                                                                                                                           {{"a.pdf", "old"}}},
        {                  "a folder in a file's place: nothing written",
         [](const fs::path& folder) { fs::create_directory(folder / "a.png"); },
         {"a.pdf", "a.png"},
         false,                                               {}                                                                                                                                   },
        {                                    "a link is written through",
         [](const fs::path& folder) {
         Write(folder / "real.pdf", "old");
         fs::create_symlink("real.pdf", folder / "a.pdf");
         }, {"a.pdf"},
         true,                      {{"real.pdf", "new a.pdf"}}                                                                                                                                         },
    };
    for (const Case& c : cases) {
        const fs::path folder = root_ / std::to_string(&c - cases);
        fs::create_directories(folder);
        c.before(folder);
        std::vector<FileContent> set;
        for (const std::string& target : c.targets)
            set.push_back({folder / target, "new " + target});
        const auto failure = WriteFileSet(set);
        EXPECT_EQ(!failure, c.succeeds) << c.name << ": " << (failure ? failure->Text() : "");
        std::map<std::string, std::string> after;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && !entry.is_symlink())
                after[entry.path().filename().string()] = Read(entry.path());
        EXPECT_EQ(after, c.after) << c.name;
    }
    EXPECT_TRUE(fs::is_symlink(root_ / "4" / "a.pdf"));
}

TEST_F(FileSet, AReplacedFileKeepsItsPermissionsAndASpecialFileIsWrittenIntoNotReplaced) {
    Write(root_ / "private.ini", "old");
    ::chmod((root_ / "private.ini").c_str(), 0600);
    ASSERT_FALSE(WriteFileSet({
        {root_ / "private.ini", "new"}
    }));
    struct stat status {};
    ::stat((root_ / "private.ini").c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0600U);

    const fs::path fifo = root_ / "page.png";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Read(fifo); });
    ASSERT_FALSE(WriteFileSet({
        {fifo, "the page"}
    }));
    reader.join();
    EXPECT_EQ(received, "the page");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(Names(), (std::set<std::string>{"private.ini", "page.png"}));
}

TEST_F(FileSet, OnlyStaleTemporariesOfThisFileAreRemoved) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(5);
    // A name too long to hold whole: its temporaries hold as much of it as fits in 255 bytes.
    const std::string longStem(243, 'n');
    for (const std::string& name :
         std::vector<std::string>{".a.ini.new.abc123", ".a.ini.old.XYZ789", ".a.ini.new.young1",
                                  ".b.ini.new.abc123", ".a.ini.notes", "." + longStem + ".new.abc123"}) {
        Write(root_ / name, "x");
        if (name != ".a.ini.new.young1") fs::last_write_time(root_ / name, old);
    }
    RemoveStaleTemporaries(root_ / "a.ini");
    RemoveStaleTemporaries(root_ / (longStem + "nnnnnnn"));
    EXPECT_EQ(Names(), (std::set<std::string>{".a.ini.new.young1", ".b.ini.new.abc123", ".a.ini.notes"}));
}

}  // namespace
}  // namespace omenary::platform
