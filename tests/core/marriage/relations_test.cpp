#include "core/marriage/relations.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace omenary::marriage {
namespace {

using Operation = std::string (*)(std::string_view);

struct Column {
    const char* name;
    Operation operation;
    std::array<const char*, 12> expected;  // for the inputs "1" ... "12"
};

void ExpectColumns(std::initializer_list<Column> columns, int rows = 12) {
    for (const Column& column : columns)
        for (int n = 1; n <= rows; ++n)
            EXPECT_EQ(column.operation(std::to_string(n)), column.expected[static_cast<std::size_t>(n - 1)])
                << column.name << " of " << n;
}

TEST(MarriageRelations, MonthsFromTheBridesBranchPart1) {
    ExpectColumns({
        {      "BrideDemonMonth1",
         BrideDemonMonth1, {"7", "8", "9", "10", "11", "12", "1", "2", "3", "4", "5", "6"}      },
        {      "BrideDemonMonth2",
         BrideDemonMonth2, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}      },
        {      "GroomDemonMonth1",
         GroomDemonMonth1, {"6", "9", "8", "11", "10", "1", "12", "3", "2", "5", "4", "7"}      },
        {      "GroomDemonMonth2",
         GroomDemonMonth2, {"12", "3", "2", "5", "4", "7", "6", "9", "8", "11", "10", "1"}      },
        {"BrideParentsHarmMonth1",
         BrideParentsHarmMonth1, {"5", "10", "7", "12", "9", "2", "11", "4", "1", "6", "3", "8"}},
        {"BrideParentsHarmMonth2",
         BrideParentsHarmMonth2, {"11", "4", "1", "6", "3", "8", "5", "10", "7", "12", "9", "2"}},
        {"GroomParentsHarmMonth1",
         GroomParentsHarmMonth1, {"4", "11", "6", "1", "8", "3", "10", "5", "12", "7", "2", "9"}},
        {"GroomParentsHarmMonth2",
         GroomParentsHarmMonth2, {"10", "5", "12", "7", "2", "9", "4", "11", "6", "1", "8", "3"}},
    });
}

TEST(MarriageRelations, MonthsAndHourFromTheBridesBranchPart2) {
    ExpectColumns({
        {       "FortuneMonth1",FortuneMonth1,    {"3", "12", "5", "2", "7", "4", "9", "6", "11", "8", "1", "10"}                                },
        {       "FortuneMonth2",    FortuneMonth2,    {"9", "6", "11", "8", "1", "10", "3", "12", "5", "2", "7", "4"}},
        {          "LuckMonth1",       LuckMonth1,    {"2", "1", "4", "3", "6", "5", "8", "7", "10", "9", "12", "11"}},
        {          "LuckMonth2",       LuckMonth2,    {"8", "7", "10", "9", "12", "11", "2", "1", "4", "3", "6", "5"}},
        {"DesertedChamberMonth",
         DesertedChamberMonth,       {"2", "4", "9", "2", "4", "9", "2", "4", "9", "2", "4", "9"}                    },
        {     "NoOffspringHour",  NoOffspringHour,       {"2", "4", "9", "2", "4", "9", "2", "4", "9", "2", "4", "9"}},
        {    "BrideBrokenMonth", BrideBrokenMonth,       {"8", "6", "5", "3", "8", "6", "5", "3", "8", "6", "5", "3"}},
        {  "BrideTisolsilMonth",
         BrideTisolsilMonth, {"2", "11", "9", "10", "2", "11", "9", "10", "2", "11", "9", "10"}                      },
    });
}

TEST(MarriageRelations, FromTheGroomsBranchTheLonelyBranchesAndTheClash) {
    ExpectColumns({
        {  "GroomBrokenMonth",
         GroomBrokenMonth, {"4", "5", "12", "7", "2", "3", "10", "11", "6", "1", "8", "9"}  },
        {"GroomTisolsilMonth",
         GroomTisolsilMonth,    {"3", "8", "6", "4", "3", "8", "6", "4", "3", "8", "6", "4"}},
        { "GroomLonelyBranch",
         GroomLonelyBranch, {"3", "3", "6", "6", "6", "9", "9", "9", "12", "12", "12", "3"} },
        { "BrideLonelyBranch",
         BrideLonelyBranch, {"11", "11", "2", "2", "2", "5", "5", "5", "8", "8", "8", "11"} },
        { "MarriageClashCode",
         MarriageClashCode, {"7", "8", "9", "10", "11", "12", "1", "2", "3", "4", "5", "6"} },
    });
}

TEST(MarriageRelations, TheChildFromTheBridesStem) {
    ExpectColumns({
        {"ChildBranchOfStem",
         ChildBranchOfStem, {"11", "12", "2", "3", "2", "3", "5", "6", "8", "9", "", ""}                    },
        { "ChildClashOfStem", ChildClashOfStem, {"5", "6", "8", "9", "8", "9", "11", "12", "2", "3", "", ""}},
    });
}

TEST(MarriageRelations, OnlyExactCodesAreFoundAndTheClashOfAnythingElseIsZero) {
    const Operation everyOther[] = {BrideDemonMonth1,
                                    BrideDemonMonth2,
                                    GroomDemonMonth1,
                                    GroomDemonMonth2,
                                    BrideParentsHarmMonth1,
                                    BrideParentsHarmMonth2,
                                    GroomParentsHarmMonth1,
                                    GroomParentsHarmMonth2,
                                    FortuneMonth1,
                                    FortuneMonth2,
                                    LuckMonth1,
                                    LuckMonth2,
                                    DesertedChamberMonth,
                                    NoOffspringHour,
                                    BrideBrokenMonth,
                                    BrideTisolsilMonth,
                                    BrideLonelyBranch,
                                    GroomBrokenMonth,
                                    GroomTisolsilMonth,
                                    GroomLonelyBranch,
                                    ChildBranchOfStem,
                                    ChildClashOfStem};
    for (const char* input : {"", "0", "05", " 5", "5 ", "13", "-1", "+5", "ชวด"}) {
        for (const Operation operation : everyOther)
            EXPECT_EQ(operation(input), "") << "'" << input << "'";
        EXPECT_EQ(MarriageClashCode(input), "0") << "'" << input << "'";
    }
    EXPECT_EQ(BrideDemonMonth2("5"), "5");
    EXPECT_EQ(MarriageClashCode("6"), "12");
    EXPECT_EQ(MarriageClashCode("12"), "6");
}

}  // namespace
}  // namespace omenary::marriage
