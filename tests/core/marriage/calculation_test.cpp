#include "core/marriage/calculation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace omenary::marriage {
namespace {

// The person codes as the tab leaves them; parents "0" unless given.
MarriageValues Couple(const char* groomStem, const char* groomBranch, const char* brideStem,
                      const char* brideBranch, std::array<const char*, 4> parents = {"0", "0", "0", "0"}) {
    MarriageValues v;
    v.ComboBoxYearBoy1 = groomStem;
    v.ComboBoxYearBoy2 = groomBranch;
    v.ComboBoxYearGirl1 = brideStem;
    v.ComboBoxYearGirl2 = brideBranch;
    v.ComboBoxPorYearBoy2 = parents[0];
    v.ComboBoxMaYearBoy2 = parents[1];
    v.ComboBoxPorYearGirl2 = parents[2];
    v.ComboBoxMaYearGirl2 = parents[3];
    return v;
}

// The filled slots, and a check that every slot after them is empty.
std::vector<std::string> Used(const std::array<std::string, 12>& slots) {
    std::vector<std::string> used;
    std::size_t i = 0;
    for (; i < slots.size() && !slots[i].empty(); ++i)
        used.push_back(slots[i]);
    for (; i < slots.size(); ++i)
        EXPECT_EQ(slots[i], "") << "slot " << i + 1 << " after a gap";
    return used;
}

using Codes = std::vector<std::string>;

TEST(MarriageCalculation, TheCouplesListsWithAndWithoutParents) {
    struct Case {
        const char* label;
        std::array<const char*, 4> parents;
        Codes hour;
        Codes day;
        Codes month;
    };
    const Case cases[] = {
        {  "no parents",
         {"0", "0", "0", "0"},
         {"1", "2", "3", "4", "5", "6", "7", "8", "10", "11"},
         {"1", "2", "3", "4", "5", "6", "7", "8", "10", "11"},
         {"4", "5", "10"}},
        {"four parents",
         {"1", "4", "5", "8"},
         {"1", "3", "4", "5", "6", "8"},
         {"1", "3", "4", "5", "6", "8"},
         {"4", "5"}      },
    };
    for (const Case& c : cases) {
        // Groom BE 2517 (1/3), bride BE 2520 (4/6).
        MarriageValues v = Couple("1", "3", "4", "6", c.parents);
        CalculateMarriageOmenary(v);
        EXPECT_EQ(Used(v.Labelusedraseeyam), c.hour) << c.label;
        EXPECT_EQ(Used(v.Labelusedraseeone), c.day) << c.label;
        EXPECT_EQ(Used(v.Labelusedraseedeang), c.month) << c.label;
        EXPECT_EQ(v.Labelusedraseepee, v.Labelusedraseeone) << c.label;
    }
}

TEST(MarriageCalculation, TheCouplesDerivedValues) {
    MarriageValues v = Couple("1", "3", "4", "6");
    CalculateMarriageOmenary(v);
    const std::pair<const char*, std::string MarriageValues::*> expected[] = {
        {"12",          &MarriageValues::LabelRSLchong},
        { "9",     &MarriageValues::LabelRSLchildchong},
        { "0",  &MarriageValues::LabelRSLporchildchong},
        { "0",   &MarriageValues::LabelRSLmachildchong},
        { "0",       &MarriageValues::LabelRSLporchong},
        { "0",        &MarriageValues::LabelRSLmachong},
        { "3",      &MarriageValues::Label_numnengkeng},
        { "9", &MarriageValues::Label_numnengkengchong},
        { "4",               &MarriageValues::LabelRSB},
        { "6",               &MarriageValues::LabelRSL},
        { "1",          &MarriageValues::LabelRSBchild},
        { "3",          &MarriageValues::LabelRSLchild},
        {"12",     &MarriageValues::Label_asonejorsol1},
        { "6",     &MarriageValues::Label_asonejorsol2},
        { "1",     &MarriageValues::Label_asonejorbol1},
        { "7",     &MarriageValues::Label_asonejorbol2},
        { "2", &MarriageValues::Label_kordpormajorsol1},
        { "8", &MarriageValues::Label_kordpormajorsol2},
        { "3", &MarriageValues::Label_kordpormajorbol1},
        { "9", &MarriageValues::Label_kordpormajorbol2},
        { "4",        &MarriageValues::Label_dornlarp1},
        {"10",        &MarriageValues::Label_dornlarp2},
        { "5",        &MarriageValues::Label_dornchok1},
        {"11",        &MarriageValues::Label_dornchok2},
        { "9",      &MarriageValues::Label_dernhorrang},
        { "9",      &MarriageValues::Label_yarmzingbud},
        {"12",       &MarriageValues::Labelpoyovjorbol},
        { "6",       &MarriageValues::Labelpoyovjorsol},
        { "6",    &MarriageValues::Labeltisolsiljorbol},
        {"11",    &MarriageValues::Labeltisolsiljorsol},
    };
    for (const auto& [code, field] : expected)
        EXPECT_EQ(v.*field, code);
}

TEST(MarriageCalculation, OnlyTheSharedClashIsForbiddenWhenBothAreBornIn2477) {
    MarriageValues v = Couple("1", "11", "1", "11");
    CalculateMarriageOmenary(v);
    const Codes eleven = {"1", "2", "3", "4", "6", "7", "8", "9", "10", "11", "12"};
    EXPECT_EQ(Used(v.Labelusedraseeone), eleven);
    EXPECT_EQ(Used(v.Labelusedraseepee), eleven);
}

TEST(MarriageCalculation, ASecondCalculationLeavesNothingOfTheFirst) {
    MarriageValues v = Couple("1", "11", "1", "11");
    CalculateMarriageOmenary(v);
    ASSERT_EQ(Used(v.Labelusedraseeone).size(), 11u);
    v.ComboBoxYearBoy2 = "3";
    v.ComboBoxYearGirl1 = "4";
    v.ComboBoxYearGirl2 = "6";
    v.ComboBoxPorYearBoy2 = "1";
    v.ComboBoxMaYearBoy2 = "4";
    v.ComboBoxPorYearGirl2 = "5";
    v.ComboBoxMaYearGirl2 = "8";
    CalculateMarriageOmenary(v);
    EXPECT_EQ(Used(v.Labelusedraseeone), (Codes{"1", "3", "4", "5", "6", "8"}));
    EXPECT_EQ(Used(v.Labelusedraseedeang), (Codes{"4", "5"}));
    for (std::size_t i = 6; i < 12; ++i)
        EXPECT_EQ(v.Labelusedraseepee[i], "") << "slot " << i + 1;
}

TEST(MarriageCalculation, TheVerdictsReadTheStoredValues) {
    MarriageValues v = Couple("1", "1", "1", "1");  // bride's branch 1: no-offspring hour 2
    CalculateMarriageOmenary(v);
    EXPECT_EQ(MarriageHourVerdict(v, "2"), "no");
    EXPECT_EQ(MarriageHourVerdict(v, "3"), "yes");
    // A parent not entered forbids nothing; an entered one forbids its clash.
    EXPECT_EQ(MarriageBranchVerdict(v, "2"), "yes");
    v.LabelRSLporchong = "2";
    EXPECT_EQ(MarriageBranchVerdict(v, "2"), "no");
    // Each of the thirteen bad months forbids a month and nothing else.
    for (std::string MarriageValues::*month :
         {&MarriageValues::Label_kordpormajorsol1, &MarriageValues::Label_kordpormajorsol2,
          &MarriageValues::Label_kordpormajorbol1, &MarriageValues::Label_kordpormajorbol2,
          &MarriageValues::Label_asonejorbol1, &MarriageValues::Label_asonejorbol2,
          &MarriageValues::Label_asonejorsol1, &MarriageValues::Label_asonejorsol2,
          &MarriageValues::Label_dernhorrang, &MarriageValues::Labelpoyovjorbol,
          &MarriageValues::Labelpoyovjorsol, &MarriageValues::Labeltisolsiljorbol,
          &MarriageValues::Labeltisolsiljorsol}) {
        MarriageValues only;
        only.*month = "5";
        EXPECT_EQ(MarriageMonthVerdict(only, "5"), "no");
        EXPECT_EQ(MarriageMonthVerdict(only, "6"), "yes");
        EXPECT_EQ(MarriageBranchVerdict(only, "5"), "yes");
        EXPECT_EQ(MarriageHourVerdict(only, "5"), "yes");
    }
}

TEST(MarriageCalculation, TheCalculationReadsTheCodesNotTheListTexts) {
    MarriageValues v = Couple("1", "3", "4", "6");
    v.ComboBoxYearBoy = "2443";  // a text the codes were never updated from
    v.ComboBoxPorYearBoy = "05 = มะโรง";
    CalculateMarriageOmenary(v);
    EXPECT_EQ(v.LabelRSLchild, "3");
    EXPECT_EQ(v.LabelRSLporchild, "0");
}

}  // namespace
}  // namespace omenary::marriage
