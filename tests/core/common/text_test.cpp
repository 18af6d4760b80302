#include "core/common/text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace omenary {
namespace {

TEST(ParseCode, AcceptsOnlyPlainCodesInRange) {
    struct Case {
        const char* text;
        int max;
        std::optional<int> expected;
    };
    const Case cases[] = {
        {        "1",  12,            1},
        {       "12",  12,           12},
        {       "10",  10,           10},
        {       "11",  10, std::nullopt},
        {        "0",  12, std::nullopt},
        {       "01",  12, std::nullopt},
        {       "13",  12, std::nullopt},
        {         "",  12, std::nullopt},
        {       " 1",  12, std::nullopt},
        {       "1 ",  12, std::nullopt},
        {       "-1",  12, std::nullopt},
        {"ชวด",  12, std::nullopt},
        {      "100", 120, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseCode(c.text, c.max), c.expected) << '"' << c.text << '"';
}

TEST(ParseDecimal, ReadsTypedNumbersAndNothingElse) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {    "0",          0.0},
        {"359.9",        359.9},
        { "45.0",         45.0},
        {  "045",         45.0},
        {   ".5",          0.5},
        {  "12.",         12.0},
        {   "-1",         -1.0},
        { "-0.5",         -0.5},
        {     "", std::nullopt},
        {    ".", std::nullopt},
        {    "-", std::nullopt},
        {  "abc", std::nullopt},
        {  "1e5", std::nullopt},
        {  "inf", std::nullopt},
        {  "nan", std::nullopt},
        {   "+1", std::nullopt},
        {   " 1", std::nullopt},
        {   "1 ", std::nullopt},
        {"1.2.3", std::nullopt},
        {  "1,5", std::nullopt},
        {  "--1", std::nullopt},
        { "0x10", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ParseTenths, WholeTenthsOnly) {
    struct Case {
        const char* text;
        std::optional<long long> expected;
    };
    const Case cases[] = {
        {                   "0",            0},
        {                 "0.1",            1},
        {               "359.9",         3599},
        {                "45.0",          450},
        {               "45.00",          450},
        {                "-0.5",           -5},
        {                  ".5",            5},
        {                 "12.",          120},
        {                "1.25", std::nullopt},
        {                 "abc", std::nullopt},
        {                    "", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseTenths(c.text), c.expected) << '"' << c.text << '"';
}

TEST(FormatNumber, ShortestTextWithFifteenSignificantDigits) {
    EXPECT_EQ(FormatNumber(45), "45");
    EXPECT_EQ(FormatNumber(0.9), "0.9");
    EXPECT_EQ(FormatNumber(179.9), "179.9");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatNumber(46.25), "46.25");
    // The rounding error of binary arithmetic stays below the fifteenth digit.
    EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.3");
}

TEST(FormatTenths, WritesNoTrailingZeroAndNoLonePoint) {
    EXPECT_EQ(FormatTenths(0), "0");
    EXPECT_EQ(FormatTenths(9), "0.9");
    EXPECT_EQ(FormatTenths(450), "45");
    EXPECT_EQ(FormatTenths(3599), "359.9");
    EXPECT_EQ(FormatTenths(-5), "-0.5");
    EXPECT_EQ(FormatTenths(-550), "-55");
}

TEST(TwoDigits, PadsSingleDigits) {
    EXPECT_EQ(TwoDigits(3), "03");
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(12), "12");
    EXPECT_EQ(TwoDigits(2547), "2547");
}

TEST(AsciiCase, IgnoresCaseOfLatinLettersOnly) {
    EXPECT_TRUE(EqualsIgnoreCaseAscii("HOROSCOPE.INI", "horoscope.ini"));
    EXPECT_TRUE(EqualsIgnoreCaseAscii("os0.bmp", "OS0.BMP"));
    EXPECT_FALSE(EqualsIgnoreCaseAscii("os0.bmp", "os0.bm"));
    EXPECT_EQ(ToUpperAscii("[data calendar] ชวด"), "[DATA CALENDAR] ชวด");
    EXPECT_EQ(ToLowerAscii("Labelcanused3"), "labelcanused3");
}

}  // namespace
}  // namespace omenary
