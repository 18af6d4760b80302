#include "core/astro/compass.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/common/text.h"

namespace omenary::astro {
namespace {

TEST(DegreeToBranchCodes, WorkedExamples) {
    struct Case {
        const char* degree;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {    "0",  "1",   ""},
        {"359.9",  "1",   ""},
        {  "360",  "1",   ""},
        { "14.4",  "1",   ""},
        { "14.5",  "1",  "2"},
        {   "15",  "1",  "2"},
        { "15.5",  "1",  "2"},
        { "15.6",  "2",   ""},
        {  "345", "12",  "1"},
        {"345.6",  "1",   ""},
        {  "140",  "5",  "6"},
        {"134.5",  "5",  "6"},
        {"142.5",  "5",  "6"},
        {"142.6",  "6",   ""},
        {  "320", "11", "12"},
        {"322.6", "12",   ""},
        {"14.45",   "",   ""},
        {   "-1",   "",   ""},
        {"360.1",   "",   ""},
        {  "abc",   "",   ""},
        {     "",   "",   ""},
    };
    for (const Case& c : cases) {
        const BranchCodes codes = DegreeToBranchCodes(c.degree);
        EXPECT_EQ(codes.Label_zodiacbelow1, c.first) << c.degree;
        EXPECT_EQ(codes.Label_zodiacbelow2, c.second) << c.degree;
    }
}

// Every allowed degree against an independent description of the compass: twelve 30-degree
// sectors centred on the branches, one-degree boundary zones at 15 + 30j, widened to eight degrees
// (x4.5 ... x2.5) at 135 and 315.
TEST(DegreeToBranchCodes, EveryAllowedDegreeGetsItsSectorCodes) {
    for (int k = 0; k < kAllowedDegreeCount; ++k) {
        std::string first = std::to_string((k + 150) % 3600 / 300 + 1);
        std::string second;
        for (int j = 0; j < 12; ++j) {
            const int centre = 150 + 300 * j;
            const int high = (j == 4 || j == 10) ? centre + 75 : centre + 5;
            if (k >= centre - 5 && k <= high) {
                first = std::to_string(j + 1);
                second = std::to_string((j + 1) % 12 + 1);
            }
        }
        const BranchCodes codes = DegreeToBranchCodes(FormatTenths(k));
        ASSERT_EQ(codes.Label_zodiacbelow1, first) << FormatTenths(k);
        ASSERT_EQ(codes.Label_zodiacbelow2, second) << FormatTenths(k);
    }
}

TEST(UniversalElementOfDegree, WorkedExamples) {
    struct Case {
        const char* degree;
        const char* code;
        const char* element;
    };
    const Case cases[] = {
        {  "7.5",  "9", "ดิน"},
        {  "7.6",  "3",    "ไฟ"},
        {   "90",  "9", "น้ำ"},
        {"352.5",  "9", "ดิน"},
        {"352.6",  "9", "ดิน"},
        { "37.6", "12", "ไม้"},
        {  "100",  "6", "ทอง"},
        {  "360",  "9", "ดิน"},
        { "7.55",   "",          ""},
        {    "x",   "",          ""},
    };
    for (const Case& c : cases) {
        const UniversalElement element = UniversalElementOfDegree(c.degree);
        EXPECT_EQ(element.LabelUniversalElement, c.code) << c.degree;
        EXPECT_EQ(element.LabelRasriUniversalElement, c.element) << c.degree;
    }
}

// Five 30-degree sectors (fire, wood, water, metal, earth) repeat from 7.6; the earth sector around
// north runs from 337.6 to 7.5.
TEST(UniversalElementOfDegree, EveryAllowedDegreeGetsItsElementRow) {
    const char* cycleCodes[] = {"3", "12", "9", "6", "9"};
    const char* cycleNames[] = {"ไฟ", "ไม้", "น้ำ", "ทอง", "ดิน"};
    for (int k = 0; k < kAllowedDegreeCount; ++k) {
        const bool northEarth = k >= 3376 || k <= 75;
        const int index = northEarth ? 4 : (k - 76) / 300 % 5;
        const UniversalElement element = UniversalElementOfDegree(FormatTenths(k));
        ASSERT_EQ(element.LabelUniversalElement, cycleCodes[index]) << FormatTenths(k);
        ASSERT_EQ(element.LabelRasriUniversalElement, cycleNames[index]) << FormatTenths(k);
    }
}

TEST(AllowedDegrees, ThreeThousandSixHundredDistinctTexts) {
    const auto& texts = AllowedDegreeTexts();
    EXPECT_EQ(texts.front(), "0");
    EXPECT_EQ(texts[1], "0.1");
    EXPECT_EQ(texts[10], "1");
    EXPECT_EQ(texts[11], "1.1");
    EXPECT_EQ(texts.back(), "359.9");
    EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), 3600u);
    for (const std::string& text : texts)
        ASSERT_TRUE(IsAllowedDegree(text)) << text;
}

TEST(AllowedDegrees, RefusesOtherSpellings) {
    for (const char* text : {"45.0", "045", "360", "1.25", "-0", "-1", ".5", "0.0", "359.90", "", "abc",
                             " 45", "45 ", "1e2", "359.95", "3600", "00", "45.", "๔๕"})
        EXPECT_FALSE(IsAllowedDegree(text)) << '"' << text << '"';
}

TEST(StepDegree, WorkedExamples) {
    struct Case {
        bool up;
        const char* value;
        const char* step;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
        { true,   "270", "180",         "90"},
        {false,    "10",  "45",        "325"},
        { true,      "",  "45",         "45"},
        {false,      "",   "1",        "359"},
        { true, "359.9",   "1",        "0.9"},
        {false,   "0.5",   "1",      "359.5"},
        { true,   "315",  "45",          "0"},
        {false,    "45",  "45",          "0"},
        { true, "179.9", "180",      "359.9"},
        { true,  "45.0",  "45",         "90"},
        { true,  "1.25",  "45",      "46.25"},
        { true,   "abc",  "45", std::nullopt},
        {false,   "12a",   "1", std::nullopt},
        { true,    "45",    "", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto result = c.up ? StepDegreeUp(c.value, c.step) : StepDegreeDown(c.value, c.step);
        EXPECT_EQ(result, c.expected) << (c.up ? "up " : "down ") << c.value << " by " << c.step;
    }
}

TEST(StepDegree, EveryAllowedDegreeStepsToAnAllowedDegreeAndBack) {
    for (const std::string& value : AllowedDegreeTexts()) {
        for (const std::string_view step : kStepSizes) {
            const auto up = StepDegreeUp(value, step);
            const auto down = StepDegreeDown(value, step);
            ASSERT_TRUE(up && IsAllowedDegree(*up)) << value << " + " << step;
            ASSERT_TRUE(down && IsAllowedDegree(*down)) << value << " - " << step;
            ASSERT_EQ(StepDegreeDown(*up, step), value);
        }
    }
}

TEST(StepSize, CyclesThroughFourSizes) {
    EXPECT_EQ(NextStepSize("45"), "90");
    EXPECT_EQ(NextStepSize("90"), "180");
    EXPECT_EQ(NextStepSize("180"), "1");
    EXPECT_EQ(NextStepSize("1"), "45");
    EXPECT_EQ(NextStepSize("7"), "45");
    EXPECT_EQ(kInitialStepSize, "45");
}

YearOfWork YearWith(const char* clash, const char* treasury, const char* master, const char* means,
                    const char* tidTodToy) {
    YearOfWork year;
    year.Labelchongyear = clash;
    year.Labelevilyeartreasury = treasury;
    year.Labelevilyearmaster = master;
    year.Labelevilyearmeans = means;
    year.LabelTidTodToy = tidTodToy;
    return year;
}

TEST(AspectStatus, StatusFromTheFirstCode) {
    const YearOfWork y2547 = YearWith("3", "8", "7", "6", "0");
    struct Case {
        const char* degree;
        YearOfWork year;
        const char* first;
        const char* status;
    };
    const Case cases[] = {
        {"180", YearWith("7",  "",                                          "7", "", "90"), "7", "เป็นทิศแตกสลาย, อสูร"},
        { "60",        y2547, "3", "เป็นทิศแตกสลาย"   },
        {"180",        y2547, "7",          "เป็นทิศอสูร"   },
        {"210",        y2547, "8",          "เป็นทิศอสูร"   },
        {"150",        y2547, "6",          "เป็นทิศอสูร"   },
        {"100",        y2547, "4",                                           ""   },
 // In a boundary zone only the first code is judged.
        { "75",        y2547, "3", "เป็นทิศแตกสลาย"   },
        { "45",        y2547, "2",                                           ""   },
 // Values of a year that has none match nothing.
        {  "0",  YearWith("",  "",                                           "", "",   ""), "1",                                                         ""                                              },
    };
    for (const Case& c : cases) {
        const AspectEvaluation result = AspectStatus(c.degree, c.year);
        EXPECT_EQ(result.codes.Label_zodiacbelow1, c.first) << c.degree;
        EXPECT_EQ(result.status, c.status) << c.degree;
    }
}

TEST(AspectStatus, DecliningWindowsIncludeTheirBounds) {
    struct Case {
        const char* tidTodToy;
        const char* degree;
        bool declining;
    };
    const Case cases[] = {
        {  "0",     "0",  true},
        {  "0",  "22.5",  true},
        {  "0",  "22.6", false},
        {  "0", "337.5",  true},
        {  "0", "337.4", false},
        {  "0", "359.9",  true},
        {  "0",   "180", false},
        { "90",  "67.5",  true},
        { "90", "112.5",  true},
        { "90",  "67.4", false},
        { "90", "112.6", false},
        { "45",  "22.5",  true},
        { "45",  "22.4", false},
        {"270", "292.5",  true},
        {"225", "202.4", false},
        {   "",     "0", false},
    };
    for (const Case& c : cases) {
        const YearOfWork year = YearWith("", "", "", "", c.tidTodToy);
        EXPECT_EQ(AspectStatus(c.degree, year).declining, c.declining ? "เป็นทิศถดถอย" : "")
            << c.tidTodToy << " / " << c.degree;
    }
}

}  // namespace
}  // namespace omenary::astro
