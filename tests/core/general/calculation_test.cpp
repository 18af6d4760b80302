#include "core/general/calculation.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/astro/compass.h"
#include "core/general/tab_handlers.h"

namespace omenary::general {
namespace {

using Codes = std::vector<std::string>;

// The tab as the user leaves it: the three directions typed and left, persons and year chosen.
GeneralValues Entered(const char* back, const char* prominent, const char* perform, const char* person1,
                      const char* person2, const char* year = "2547") {
    GeneralValues values;
    values.ComboBoxBudhaYearProcess = year;
    DeriveYearOfWorkValues(values);
    const std::pair<Aspect, const char*> inputs[] = {
        {Aspect::BackOfHome,      back},
        { Aspect::Prominent, prominent},
        {   Aspect::Perform,   perform}
    };
    for (const auto& [aspect, degree] : inputs) {
        values[aspect].Editaspect = degree;
        EXPECT_EQ(EditaspectExit(values, aspect), Leave::Accepted) << degree;
    }
    values.ComboBoxperson1 = person1;
    values.ComboBoxperson2 = person2;
    return values;
}

Codes Used(const std::array<std::string, 12>& slots) {
    Codes used;
    for (const std::string& slot : slots)
        if (!slot.empty() && (slot[0] | 0x20) != 'l') used.push_back(slot);
    return used;
}

TEST(Calculation, AllDirectionsNorthWithPersonRatAndYear2547) {
    GeneralValues values = Entered("0", "0", "0", "01 = ชวด", "(ไม่มี)");
    const PersonTexts remembered = CalculateGeneralOmenary(values, 3);
    for (const AspectValues& a : values.aspects) {
        EXPECT_EQ(a.Labelcodeaspect, (std::array<std::string, 2>{"1", ""}));
        EXPECT_EQ(a.Labelclashcodeaspect, (std::array<std::string, 2>{"7", ""}));
        EXPECT_EQ(a.Labelevilmastercodeaspect, (std::array<std::string, 2>{"7", ""}));
        EXPECT_EQ(a.Labelevilmeanscodeaspect, (std::array<std::string, 2>{"3", ""}));
        EXPECT_EQ(a.Labeleviltreasurycodeaspect, (std::array<std::string, 2>{"11", ""}));
    }
    EXPECT_EQ(values.Labelcodeperson1, "1");
    EXPECT_EQ(values.Labelclashcodeperson1, "7");
    EXPECT_EQ(values.labelevilreturntreasurycodeperson1, "8");
    EXPECT_EQ(values.Labelcodeperson2, "");
    EXPECT_EQ(values.Labelclashcodeperson2, "");
    EXPECT_EQ(values.labelevilreturntreasurycodeperson2, "");
    EXPECT_EQ(values.LabelcodeYearProcess, "9");
    EXPECT_EQ(values.LabelclashcodeYearProcess, "3");
    EXPECT_EQ(Used(values.Labelcanused), (Codes{"1", "2", "4", "5", "6", "8", "9", "10", "12"}));
    EXPECT_EQ(Used(values.Labelcannotused), (Codes{"3", "7", "11"}));
    for (std::size_t i = 3; i < 12; ++i)
        EXPECT_EQ(values.Labelcannotused[i], "labelcannotused" + std::to_string(i + 1));
    for (std::size_t i = 9; i < 12; ++i)
        EXPECT_EQ(values.Labelcanused[i], "labelcanused" + std::to_string(i + 1));
    // The page is built from bare names; the lists get their items back afterwards.
    EXPECT_EQ(values.ComboBoxperson1, "ชวด");
    EXPECT_EQ(values.ComboBoxperson2, "(ไม่มี)");
    RestorePersonTexts(values, remembered);
    EXPECT_EQ(values.ComboBoxperson1, "01 = ชวด");
    // Stars of 2547 in March: year 5; ปีวอก has month base 2.
    EXPECT_EQ(values.Labelyearstar, "5");
    EXPECT_EQ(values.monthStars.Labelmonthstar1, "1");
    EXPECT_EQ(values.monthStars.Labelnextmonthstar1, "04");
    EXPECT_EQ(values.LabelRasriUniversalElement, "ดิน");
    EXPECT_EQ(values.LabelUniversalElement, "9");
}

// The act at 140 (codes 5 and 6) lies in a window: every "no" of the directions above it and its
// own first clash are lifted; its remaining codes, the persons and the year still count.
TEST(Calculation, AWindowCheckLiftsEveryEarlierNo) {
    GeneralValues values = Entered("0", "0", "140", "01 = ชวด", "(ไม่มี)");
    CalculateGeneralOmenary(values, 3);
    const AspectValues& act = values[Aspect::Perform];
    EXPECT_EQ(act.Labelcodeaspect, (std::array<std::string, 2>{"5", "6"}));
    EXPECT_EQ(act.Labelclashcodeaspect, (std::array<std::string, 2>{"11", "12"}));
    // Act's remaining codes: master 10/1, means 6/9, treasury 2/5; person 1's clash 7; year's 3.
    EXPECT_EQ(Used(values.Labelcannotused), (Codes{"1", "2", "3", "5", "6", "7", "9", "10", "12"}));
    EXPECT_EQ(Used(values.Labelcanused), (Codes{"4", "8", "11"}));
    EXPECT_EQ(UsableBranchVerdict(values, 11), "yes");  // the act's own first clash, lifted
}

TEST(Calculation, WindowBoundsAreInclusiveAndExact) {
    struct Case {
        const char* degree;
        bool window;
    };
    const Case cases[] = {
        {"135.5", false},
        {"135.6",  true},
        {"142.5",  true},
        {"142.6", false},
        {"315.5", false},
        {"315.6",  true},
        {"322.5",  true},
        {"322.6", false}
    };
    for (const Case& c : cases) {
        // Only the back of home: its clash is lifted by the window or not.
        GeneralValues values = Entered(c.degree, "100", "100", "01 = ชวด", "(ไม่มี)");
        CalculateGeneralOmenary(values, 3);
        const std::string& clash = values[Aspect::BackOfHome].Labelclashcodeaspect[0];
        const bool otherwiseNo = clash == values[Aspect::Prominent].Labelclashcodeaspect[0];
        if (otherwiseNo) continue;
        EXPECT_EQ(UsableBranchVerdict(values, std::stoi(clash)) == "yes", c.window) << c.degree;
    }
}

TEST(Calculation, APlaceholderOrDesignTextIsAFreeSlotAnythingElseIsTaken) {
    GeneralValues values;
    values.Labelcanused[0] = "LABELCANUSED1";
    values.Labelcanused[1] = "labelcanused1";  // another slot's placeholder: taken
    AddUsableBranch(values, 4);
    AddUsableBranch(values, 5);
    EXPECT_EQ(values.Labelcanused[0], "4");
    EXPECT_EQ(values.Labelcanused[1], "labelcanused1");
    EXPECT_EQ(values.Labelcanused[2], "5");
    for (auto& slot : values.Labelcannotused)
        slot = "x";
    AddUnusableBranch(values, 6);
    for (const auto& slot : values.Labelcannotused)
        EXPECT_EQ(slot, "x");
}

// Over many inputs: both lists hold the twelve branches once each, ascending, and a second run
// gives the same lists.
TEST(Calculation, TheListsAlwaysSplitTheTwelveBranchesInOrder) {
    const auto& degrees = astro::AllowedDegreeTexts();
    const char* persons[] = {"01 = ชวด", "06 = มะเส็ง", "12 = กุน"};
    const char* seconds[] = {"(ไม่มี)", "", "07 = มะเมีย"};
    for (std::size_t k = 0; k < degrees.size(); k += 7) {
        GeneralValues values = Entered(degrees[k].c_str(), degrees[(k * 3) % 3600].c_str(),
                                       degrees[(k * 11 + 1355) % 3600].c_str(), persons[k % 3],
                                       seconds[k % 3], k % 2 ? "2547" : "2560");
        const PersonTexts remembered = CalculateGeneralOmenary(values, static_cast<int>(k % 12) + 1);
        const Codes used = Used(values.Labelcanused);
        const Codes unused = Used(values.Labelcannotused);
        std::vector<int> all;
        for (const auto* list : {&used, &unused}) {
            int previous = 0;
            for (const std::string& code : *list) {
                ASSERT_GT(std::stoi(code), previous) << degrees[k];
                previous = std::stoi(code);
                all.push_back(previous);
            }
        }
        ASSERT_EQ(std::set<int>(all.begin(), all.end()).size(), 12u) << degrees[k];
        ASSERT_EQ(all.size(), 12u);
        RestorePersonTexts(values, remembered);
        GeneralValues again = values;
        CalculateGeneralOmenary(again, static_cast<int>(k % 12) + 1);
        ASSERT_EQ(again.Labelcanused, values.Labelcanused);
        ASSERT_EQ(again.Labelcannotused, values.Labelcannotused);
    }
}

TEST(BareBranchName, OnlyListItemsLoseTheirCode) {
    EXPECT_EQ(BareBranchName("05 = มะโรง"), "มะโรง");
    EXPECT_EQ(BareBranchName("(ไม่มี)"), "(ไม่มี)");
    EXPECT_EQ(BareBranchName(""), "");
    EXPECT_EQ(BareBranchName("มะโรง"), "มะโรง");
}

}  // namespace
}  // namespace omenary::general
