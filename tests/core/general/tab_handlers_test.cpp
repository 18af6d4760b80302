#include "core/general/tab_handlers.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace omenary::general {
namespace {

constexpr Aspect kBack = Aspect::BackOfHome;
constexpr Aspect kProminent = Aspect::Prominent;
constexpr Aspect kPerform = Aspect::Perform;

std::vector<std::string> YearItems(int first, int last) {
    std::vector<std::string> items;
    for (int y = first; y <= last; ++y)
        items.push_back(std::to_string(y));
    return items;
}

// A tab after the first start with the year of the work 2547 (stem 1, branch 9).
GeneralValues Started() {
    GeneralValues values;
    for (AspectValues& a : values.aspects)
        a.Labelaspectstatus.clear();
    values.ComboBoxBudhaYearProcess = "2547";
    DeriveYearOfWorkValues(values);
    return values;
}

std::array<std::string, 3> Inputs(const GeneralValues& v) {
    return {v[kBack].Editaspect, v[kProminent].Editaspect, v[kPerform].Editaspect};
}
std::array<std::string, 3> Accepted(const GeneralValues& v) {
    return {v[kBack].ComboBoxaspect, v[kProminent].ComboBoxaspect, v[kPerform].ComboBoxaspect};
}

TEST(InitialValues, PlaceholdersUntilTheFirstEvaluation) {
    const GeneralValues values;
    EXPECT_EQ(values[kBack].ComboBoxaspect, "0");
    EXPECT_EQ(values[kBack].Editaspect, "");
    EXPECT_EQ(values[kProminent].LabelTidTodToy, "LabelTidTodToyprominent");
    EXPECT_EQ(values[kPerform].Labelcodeaspect[0], "Labelcodeaspectperform1");
    EXPECT_EQ(values[kBack].Labelclashcodeaspect[1], "Labelclashcodeaspectbackofhome2");
    EXPECT_EQ(values[kBack].SpeedButtonDeffaspect, "45");
    EXPECT_EQ(values.year.ComboBoxYearProcess, "ชวด");
    EXPECT_EQ(values.year.Labelchongyear, "Labelchongyear");
    EXPECT_EQ(values.ComboBoxperson1, "01 = ชวด");
    EXPECT_EQ(values.ComboBoxperson2, "(ไม่มี)");
    EXPECT_TRUE(values.CheckBoxPagePreview1);
    EXPECT_FALSE(values.Buttoncalculateomenary);
}

TEST(EditaspectExit, RefusedTextsKeepTheFocusAndChangeNothingElse) {
    for (const char* text : {"45.0", "360", "-1", "1.25", "abc", "045", " 45"}) {
        GeneralValues values = Started();
        values[kProminent].Editaspect = "100";
        values[kPerform].ComboBoxaspect = "200";
        values[kBack].Editaspect = text;
        EXPECT_EQ(EditaspectExit(values, kBack), Leave::Refused) << text;
        EXPECT_EQ(Inputs(values), (std::array<std::string, 3>{text, "100", ""})) << text;
        EXPECT_EQ(Accepted(values), (std::array<std::string, 3>{"0", "0", "200"})) << text;
        EXPECT_FALSE(values.Buttoncalculateomenary) << text;
    }
}

TEST(EditaspectExit, EmptyBecomesZeroAndIsAccepted) {
    GeneralValues values = Started();
    EXPECT_EQ(EditaspectExit(values, kBack), Leave::Accepted);
    EXPECT_EQ(Inputs(values), (std::array<std::string, 3>{"0", "0", "0"}));
    EXPECT_TRUE(values.Buttoncalculateomenary);
}

TEST(EditaspectExit, ADirectionIsCopiedToTheDirectionsBelowOnly) {
    GeneralValues values = Started();
    values[kBack].Editaspect = "90";
    ASSERT_EQ(EditaspectExit(values, kBack), Leave::Accepted);
    EXPECT_EQ(Inputs(values), (std::array<std::string, 3>{"90", "90", "90"}));
    EXPECT_EQ(Accepted(values), (std::array<std::string, 3>{"90", "90", "90"}));

    values[kProminent].Editaspect = "180";
    ASSERT_EQ(EditaspectExit(values, kProminent), Leave::Accepted);
    EXPECT_EQ(Inputs(values), (std::array<std::string, 3>{"90", "180", "180"}));
    EXPECT_EQ(Accepted(values), (std::array<std::string, 3>{"90", "180", "180"}));

    values[kPerform].Editaspect = "270";
    ASSERT_EQ(EditaspectExit(values, kPerform), Leave::Accepted);
    EXPECT_EQ(Accepted(values), (std::array<std::string, 3>{"90", "180", "270"}));
}

TEST(EditaspectExit, OnlyTheBackOfHomeEnablesTheCalculation) {
    GeneralValues values = Started();
    values[kProminent].Editaspect = "10";
    EditaspectExit(values, kProminent);
    values[kPerform].Editaspect = "10";
    EditaspectExit(values, kPerform);
    EXPECT_FALSE(values.Buttoncalculateomenary);
    values[kBack].Editaspect = "10";
    EditaspectExit(values, kBack);
    EXPECT_TRUE(values.Buttoncalculateomenary);
}

TEST(EditaspectExit, JudgesEachDirectionAgainstTheYear) {
    // 2547: clash 3, evil treasury 8, master 7, means 6; declining around north.
    GeneralValues values = Started();
    values[kBack].Editaspect = "60";  // branch 3, the clash
    EditaspectExit(values, kBack);
    values[kProminent].Editaspect = "180";  // branch 7, evil master
    EditaspectExit(values, kProminent);
    values[kPerform].Editaspect = "10";  // branch 1, declining
    EditaspectExit(values, kPerform);
    EXPECT_EQ(values[kBack].Labelaspectstatus, "เป็นทิศแตกสลาย");
    EXPECT_EQ(values[kBack].LabelTidTodToy, "");
    EXPECT_EQ(values[kBack].Labelcodeaspect[0], "3");
    EXPECT_EQ(values[kProminent].Labelaspectstatus, "เป็นทิศอสูร");
    EXPECT_EQ(values[kProminent].Labelcodeaspect[0], "7");
    EXPECT_EQ(values[kPerform].Labelaspectstatus, "");
    EXPECT_EQ(values[kPerform].LabelTidTodToy, "เป็นทิศถดถอย");
    // The scratch values hold the last degree evaluated.
    EXPECT_EQ(values.Label_degree, "10");
    EXPECT_EQ(values.Label_zodiacbelow1, "1");
    EXPECT_EQ(values.Label_zodiacbelow2, "");
}

TEST(EditaspectExit, ARefusalClearsTheStatusAndTheDecliningFlagsBelow) {
    GeneralValues values = Started();
    values[kBack].Editaspect = "0";
    EditaspectExit(values, kBack);
    ASSERT_EQ(values[kPerform].LabelTidTodToy, "เป็นทิศถดถอย");
    values[kProminent].Editaspect = "bad";
    EXPECT_EQ(EditaspectExit(values, kProminent), Leave::Refused);
    EXPECT_EQ(values[kBack].LabelTidTodToy, "เป็นทิศถดถอย");
    EXPECT_EQ(values[kProminent].LabelTidTodToy, "");
    EXPECT_EQ(values[kPerform].LabelTidTodToy, "");
}

TEST(SpeedButtons, StepTheInputAndCopyItDown) {
    struct Case {
        Aspect aspect;
        const char* input;
        const char* step;
        bool up;
        std::array<std::string, 3> inputs;
    };
    const Case cases[] = {
        {     kBack,   "270", "180",  true,    {"90", "90", "90"}},
        {     kBack,    "10",  "45", false, {"325", "325", "325"}},
        {     kBack,      "",  "45",  true,    {"45", "45", "45"}},
        {kProminent, "359.9",   "1",  true,   {"5", "0.9", "0.9"}},
        {  kPerform,     "0",  "90", false,     {"5", "5", "270"}},
    };
    for (const Case& c : cases) {
        GeneralValues values = Started();
        for (AspectValues& a : values.aspects)
            a.Editaspect = "5";
        values[c.aspect].Editaspect = c.input;
        values[c.aspect].SpeedButtonDeffaspect = c.step;
        platform::RecordedMessages messages;
        SpeedButtonStepClick(values, c.aspect, c.up, messages);
        EXPECT_EQ(Inputs(values), c.inputs) << c.input << (c.up ? " + " : " - ") << c.step;
        // The buttons change the inputs only; the accepted degrees follow on leaving.
        EXPECT_EQ(Accepted(values), (std::array<std::string, 3>{"0", "0", "0"}));
        EXPECT_EQ(values.Buttoncalculateomenary, c.aspect == kBack);
        EXPECT_EQ(messages.Beeps(), 0);
    }
}

TEST(SpeedButtons, ATextThatIsNotANumberBeepsAndStaysAsItIs) {
    GeneralValues values = Started();
    values[kBack].Editaspect = "abc";
    platform::RecordedMessages messages;
    SpeedButtonStepClick(values, kBack, true, messages);
    EXPECT_EQ(messages.Beeps(), 1);
    EXPECT_EQ(Inputs(values), (std::array<std::string, 3>{"abc", "", ""}));
    EXPECT_FALSE(values.Buttoncalculateomenary);
}

TEST(SpeedButtons, EachRowCyclesItsOwnStepSize) {
    GeneralValues values;
    const char* cycle[] = {"90", "180", "1", "45", "90"};
    for (const char* expected : cycle) {
        SpeedButtonDeffClick(values, kProminent);
        EXPECT_EQ(values[kProminent].SpeedButtonDeffaspect, expected);
    }
    EXPECT_EQ(values[kBack].SpeedButtonDeffaspect, "45");
    EXPECT_EQ(values[kPerform].SpeedButtonDeffaspect, "45");
}

TEST(PersonLists, AcceptOnlyTheirItems) {
    struct Case {
        const char* text;
        Leave person1;
        Leave person2;
    };
    const Case cases[] = {
        {   "01 = ชวด", Leave::Accepted, Leave::Accepted},
        {   "12 = กุน", Leave::Accepted, Leave::Accepted},
        {"(ไม่มี)",  Leave::Refused, Leave::Accepted},
        {                 "",  Leave::Refused, Leave::Accepted},
        {        "ชวด",  Leave::Refused,  Leave::Refused},
        {    "1 = ชวด",  Leave::Refused,  Leave::Refused},
        {   "13 = กุน",  Leave::Refused,  Leave::Refused},
        {  "01 = ชวด ",  Leave::Refused,  Leave::Refused},
    };
    for (const Case& c : cases) {
        GeneralValues values;
        values.ComboBoxperson1 = c.text;
        values.ComboBoxperson2 = c.text;
        EXPECT_EQ(ComboBoxperson1Exit(values), c.person1) << c.text;
        EXPECT_EQ(ComboBoxperson2Exit(values), c.person2) << c.text;
    }
}

TEST(YearOfWorkUpdate, DerivesTheYearAndJudgesTheDirectionsAgain) {
    GeneralValues values = Started();
    values[kBack].Editaspect = "180";
    EditaspectExit(values, kBack);
    ASSERT_EQ(values[kBack].Labelaspectstatus, "เป็นทิศอสูร");  // 7 is 2547's evil master
    values[kPerform].Editaspect = "210";
    EditaspectExit(values, kPerform);
    ASSERT_EQ(values[kPerform].LabelTidTodToy, "");

    values.ComboBoxBudhaYearProcess = "2551";  // stem 5, branch 1: clash 7, master 7
    platform::RecordedMessages messages;
    ASSERT_EQ(YearOfWorkUpdate(values, YearItems(2443, 2699), messages), Leave::Accepted);
    EXPECT_EQ(values.year.LabelRasibonYearProcess, "5");
    EXPECT_EQ(values.year.LabelRasirangYearProcess, "1");
    EXPECT_EQ(values.year.ComboBoxYearProcess, "ชวด");
    EXPECT_EQ(values.year.LabelTidTodToy, "225");
    EXPECT_EQ(values[kBack].Labelaspectstatus, "เป็นทิศแตกสลาย, อสูร");
    EXPECT_EQ(values[kBack].LabelTidTodToy, "");
    EXPECT_EQ(values[kPerform].LabelTidTodToy, "เป็นทิศถดถอย");  // 210 lies within 225 ± 22.5
    EXPECT_EQ(Inputs(values), (std::array<std::string, 3>{"180", "180", "210"}));
}

TEST(YearOfWorkUpdate, RefusesYearsOutsideTheListAndYearsWithoutCodes) {
    platform::RecordedMessages messages;
    for (const char* year : {"2700", "abc", "", "2442", "2401"}) {
        GeneralValues values = Started();
        values.ComboBoxBudhaYearProcess = year;
        EXPECT_EQ(YearOfWorkUpdate(values, YearItems(2401, 2699), messages), Leave::Refused) << year;
        EXPECT_EQ(values.year.ComboBoxYearProcess, "วอก") << year;
        EXPECT_EQ(values.year.Labelchongyear, "3") << year;
    }
    // Items of the list without codes say which years the program takes; other texts say nothing.
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"ปี พ.ศ. 2442 ใช้ไม่ได้ โปรแกรมใช้ได้กับปี พ.ศ. 2443 ขึ้นไปเท่านั้น",
                                        "ปี พ.ศ. 2401 ใช้ไม่ได้ โปรแกรมใช้ได้กับปี พ.ศ. 2443 ขึ้นไปเท่านั้น"}));
}

TEST(YearOfWorkUpdate, Year2547) {
    GeneralValues values;
    values.ComboBoxBudhaYearProcess = "2547";
    platform::RecordedMessages messages;
    ASSERT_EQ(YearOfWorkUpdate(values, YearItems(2443, 2699), messages), Leave::Accepted);
    const std::map<std::string, std::string> expected = {
        {  "ComboBoxYearProcess", "วอก"},
        {       "Labelchongyear",         "3"},
        {"Labelevilyeartreasury",         "8"},
        {  "Labelevilyearmaster",         "7"},
        {   "Labelevilyearmeans",         "6"},
        {       "LabelTidTodToy",         "0"},
    };
    std::map<std::string, std::string> seen;
    ForEachValue(values, [&](std::string_view name, const std::string& value) {
        if (expected.count(std::string(name)) != 0) seen[std::string(name)] = value;
    });
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace omenary::general
