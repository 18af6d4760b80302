#include "core/astro/relations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/astro/cycles.h"

namespace omenary::astro {
namespace {

using Relation = std::string (*)(std::string_view);

struct RelationCase {
    const char* name;
    Relation relation;
    const char* input;
    const char* expected;
};

TEST(Relations, WorkedExamples) {
    const RelationCase cases[] = {
        {              "ClashCode",               ClashCode,  "6", "12"},
        {              "ClashCode",               ClashCode, "12",  "6"},
        {              "ClashCode",               ClashCode,  "1",  "7"},
        {     "EvilYearMasterCode",      EvilYearMasterCode,  "5",  "7"},
        {      "EvilYearMeansCode",       EvilYearMeansCode,  "5",  "6"},
        {   "EvilYearTreasuryCode",    EvilYearTreasuryCode,  "5",  "8"},
        {     "EvilYearMasterCode",      EvilYearMasterCode,  "9",  "7"},
        {   "EvilYearTreasuryCode",    EvilYearTreasuryCode,  "1",  "8"},
        {         "EvilMasterCode",          EvilMasterCode, "12",  "7"},
        {         "EvilMasterCode",          EvilMasterCode,  "1",  "7"},
        {          "EvilMeansCode",           EvilMeansCode, "11", "12"},
        {          "EvilMeansCode",           EvilMeansCode,  "1",  "3"},
        {       "EvilTreasuryCode",        EvilTreasuryCode,  "8",  "5"},
        {       "EvilTreasuryCode",        EvilTreasuryCode,  "1", "11"},
        {"TangeigjueninglangCode1", TangeigjueninglangCode1,  "7",  "3"},
        {"TangeigjueninglangCode1", TangeigjueninglangCode1,  "1",  "2"},
        {"TangeigjueninglangCode2", TangeigjueninglangCode2, "10",  "6"},
        {"TangeigjueninglangCode2", TangeigjueninglangCode2,  "3", "12"},
    };
    for (const RelationCase& c : cases)
        EXPECT_EQ(c.relation(c.input), c.expected) << c.name << "(" << c.input << ")";
}

TEST(Relations, UnknownInputsGiveEmptyText) {
    const Relation branchRelations[] = {
        ClashCode,      EvilYearMasterCode, EvilYearMeansCode, EvilYearTreasuryCode,
        EvilMasterCode, EvilMeansCode,      EvilTreasuryCode};
    for (const Relation relation : branchRelations)
        for (const char* input : {"", "0", "01", "06", "13", "ชวด", " 1", "1.0", "-1"})
            EXPECT_EQ(relation(input), "") << '"' << input << '"';
    for (const Relation relation : {TangeigjueninglangCode1, TangeigjueninglangCode2})
        for (const char* input : {"", "0", "11", "12", "01"})
            EXPECT_EQ(relation(input), "") << '"' << input << '"';
}

TEST(Relations, ClashIsAnInvolutionSixPlacesOn) {
    for (int n = 1; n <= 12; ++n) {
        const std::string code = std::to_string(n);
        EXPECT_EQ(ClashCode(code), std::to_string((n + 5) % 12 + 1));
        EXPECT_EQ(ClashCode(ClashCode(code)), code);
    }
}

// A year groups its branch with those four places away, a direction with its neighbours: every
// member of a group shares all three evil codes, and the groups differ.
TEST(Relations, EvilCodesAreSharedWithinTheirGroups) {
    const int yearGroups[4][3] = {
        { 9,  1,  5},
        { 3,  7, 11},
        {12,  4,  8},
        { 6, 10,  2}
    };
    const int directionGroups[4][3] = {
        {12,  1,  2},
        { 3,  4,  5},
        { 6,  7,  8},
        { 9, 10, 11}
    };
    const auto shared = [](const int(&groups)[4][3], Relation relation) {
        std::set<std::string> distinct;
        for (const auto& group : groups) {
            const std::string first = relation(std::to_string(group[0]));
            for (int member : group)
                EXPECT_EQ(relation(std::to_string(member)), first) << member;
            distinct.insert(first);
        }
        EXPECT_EQ(distinct.size(), 4u);
    };
    for (const Relation r : {EvilYearMasterCode, EvilYearMeansCode, EvilYearTreasuryCode})
        shared(yearGroups, r);
    for (const Relation r : {EvilMasterCode, EvilMeansCode, EvilTreasuryCode})
        shared(directionGroups, r);
}

TEST(BranchCodeOfName, InverseOfBranchNameOfCode) {
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(BranchCodeOfName(BranchNameOfCode(std::to_string(n))), std::to_string(n));
    for (const char* text : {"(ไม่มี)", "", "01 = ชวด", "ชวด ", "1"})
        EXPECT_EQ(BranchCodeOfName(text), "") << text;
}

}  // namespace
}  // namespace omenary::astro
