#include "core/common/text_lines.h"

#include <gtest/gtest.h>

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
        const char* bytes;
        std::vector<std::string> lines;
    };
    for (const Case& c : {
             Case{    "x\r\n",          {"x"}},
             Case{      "x\r",          {"x"}},
             Case{         "",             {}},
             Case{     "\n\n",       {"", ""}},
             Case{ "a\r\r\nb", {"a", "", "b"}},
             Case{"\r\n\r\ne",  {"", "", "e"}},
             Case{ "a\n\rb\r", {"a", "", "b"}}
    }) {
        EXPECT_EQ(AllLines(TextLines(c.bytes)), c.lines) << c.bytes;
        EXPECT_EQ(InOrder(TextLines(c.bytes)), c.lines) << c.bytes;
    }
}

}  // namespace
}  // namespace omenary
