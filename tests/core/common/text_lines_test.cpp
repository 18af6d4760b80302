#include "core/common/text_lines.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace omenary {
namespace {

std::vector<std::string> AllLines(const TextLines& lines) {
    std::vector<std::string> all;
    for (std::size_t i = 0; i < lines.Count(); ++i)
        all.emplace_back(lines.Line(i));
    return all;
}

// The lines as a one-pass reader gets them; they must be the indexed ones.
std::vector<std::string> InOrder(const TextLines& lines) {
    std::vector<std::string> all;
    std::size_t offset = 0;
    while (const auto line = lines.NextLine(&offset))
        all.emplace_back(*line);
    return all;
}

TEST(TextLines, EveryLineEndEndsALineAndReadingPastTheEndGivesEmpty) {
    const TextLines lines("a\r\nb\rc\nd\r\n\r\ne");
    EXPECT_EQ(AllLines(lines), (std::vector<std::string>{"a", "b", "c", "d", "", "e"}));
    EXPECT_EQ(InOrder(lines), AllLines(lines));
    EXPECT_EQ(lines.Line(6), "");
    EXPECT_EQ(lines.Line(1000), "");
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const std::string a255(255, 'a'), a600(600, 'a');
    for (const Case& c : {
             Case{       "x\r\n",          {"x"}},
             Case{         "x\r",          {"x"}},
             Case{            "",             {}},
             Case{        "\n\n",       {"", ""}},
             Case{    "a\r\r\nb", {"a", "", "b"}},
             Case{   "\r\n\r\ne",  {"", "", "e"}},
             Case{    "a\n\rb\r", {"a", "", "b"}},
 // Line ends are looked for a stretch of 256 bytes at a time: ends across and past its edge.
             Case{a255 + "\r\nb",    {a255, "b"}},
             Case{a600 + "\rb\r",    {a600, "b"}},
             Case{          a600,         {a600}}
    }) {
        EXPECT_EQ(AllLines(TextLines(c.bytes)), c.lines) << c.bytes;
        EXPECT_EQ(InOrder(TextLines(c.bytes)), c.lines) << c.bytes;
    }
}

// A file's lines are the same mapped or copied, and copies of them outlive the first holder; a file
// that is not there, too large or empty reads alike both ways.
TEST(TextLines, AMappedFileReadsAsACopiedOne) {
    const std::filesystem::path folder = std::filesystem::path(::testing::TempDir()) / "omenary-text-lines";
    std::filesystem::create_directories(folder);
    const struct {
        const char* name;
        const char* bytes;  // nullptr: no such file
        std::size_t maxBytes;
        bool read;
    } files[] = {
        {   "days.txt", "2547 01 05 041008\r\n2547 01 06 051109\r\nlast", 1024,  true},
        {  "empty.txt",                                               "", 1024,  true},
        {"missing.txt",                                          nullptr, 1024, false},
        {  "large.txt",                                     "0123456789",    9, false},
    };
    for (const auto& f : files) {
        const std::filesystem::path file = folder / f.name;
        std::filesystem::remove(file);
        if (f.bytes != nullptr) std::ofstream(file, std::ios::binary) << f.bytes;
        const auto copied = ReadTextLines(file, f.maxBytes, false);
        const auto mapped = ReadTextLines(file, f.maxBytes, true);
        EXPECT_EQ(copied.has_value(), f.read) << f.name;
        ASSERT_EQ(mapped.has_value(), f.read) << f.name;
        if (!mapped) continue;
        EXPECT_EQ(mapped->Bytes(), copied->Bytes()) << f.name;
        EXPECT_EQ(InOrder(*mapped), AllLines(*copied)) << f.name;
    }
    // A FIFO under the name is no file to read, and reading it must not wait for a writer.
    const std::filesystem::path fifo = folder / "fifo.txt";
    std::filesystem::remove(fifo);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadTextLines(fifo, 1024, true));
    EXPECT_FALSE(ReadTextLines(fifo, 1024, false));
    std::optional<TextLines> kept;
    {
        const auto mapped = ReadTextLines(folder / "days.txt", 1024, true);
        ASSERT_TRUE(mapped);
        kept = *mapped;
    }
    EXPECT_EQ(AllLines(*kept), (std::vector<std::string>{"2547 01 05 041008", "2547 01 06 051109", "last"}));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace omenary
