#include "core/coin/giver_list.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdint>

#include "core/coin/envelope_fill.h"
#include "core/coin/envelope_page.h"
#include "tests/temp_folder.h"

namespace omenary::coin {
namespace {

using ::testing::ElementsAreArray;

// Two days either side of the year's change in 2527 and nothing else in the calendar.
std::optional<YearPillar> FakePillar(int year, int month, int day) {
    if (year == 2527 && month == 2 && day == 3) return YearPillar{10, 12};
    if (year == 2527 && month == 2 && day == 5) return YearPillar{1, 1};
    return std::nullopt;
}

struct Row {
    int line;
    std::string name;
    int stem, branch;
    bool operator==(const Row&) const = default;
};

struct ListCase {
    std::string what;
    std::string bytes;
    std::vector<Row> rows;
    std::vector<std::string> problems;
};

// The name "สมชาย" as Thai Windows bytes.
const std::string kThaiName = "\xCA\xC1\xAA\xD2\xC2";

const ListCase kCases[] = {
    {                 "commas, LF, English header","name,stem,branch\nA,1,1\nB,2,4\n",{{2, "A", 1, 1}, {3, "B", 2, 4}},                              {}                                                                                                                                         },
    {        "semicolons, CR LF, BOM, Thai header",
     "\xEF\xBB\xBFชื่อ;ราศีบน;ราศีล่าง\r\nสมชาย;3;5\r\n",   {{2, "สมชาย", 3, 5}},
     {}                                                                                                                                                                                                    },
    {                         "Thai Windows bytes",
     "\xAA\xD7\xE8\xCD,\xC7\xD1\xB9\xE0\xA1\xD4\xB4\n" + kThaiName + ",2527-02-05\n",
     {{2, "สมชาย", 1, 1}},
     {}                                                                                                                                                                                                    },
    {  "quoted separator, doubled quote, line end",
     "name,birth\n\"Lee, \"\"Ann\"\"\nB\",03/02/2527\n\n", {{2, "Lee, \"Ann\"\nB", 10, 12}},
     {}                                                                                                                                                                                                    },
    {"birth before the year's change, pair agrees",
     "name,stem,branch,birth\nA,10,12,2527-02-03\n",               {{2, "A", 10, 12}},
     {}                                                                                                                                                                                                    },
    {        "empty name and trailing empty field",                         "stem,branch,name\n1,3,\n",                  {{2, "", 1, 3}},                                                                {}},
    {                                   "odd pair",                 "name,stem,branch\nA,1,1\nB,1,2\n",                               {},                {"line 3: stem 1 and branch 2 do not form a pair"}},
    {                    "pair and birth disagree",
     "name,stem,branch,birth\nA,1,1,2527-02-03\n",                               {},
     {"line 2: stem 1 and branch 1 disagree with birth 2527-02-03, a year of stem 10 and branch 12"}                                                                                                       },
    {                             "unknown column",                           "name,stem,branch,age\n",                               {},                                  {"line 1: unknown column 'age'"}},
    {                  "date outside the calendar",
     "name,birth\nA,2750-01-01\nB,31/02/2527\nC,5/2/2527\n",                               {},
     {"line 2: birth '2750-01-01' is outside the calendar",
     "line 3: birth '31/02/2527' is not a date BE-MM-DD or DD/MM/BE"}                                                                                                                                      },
    {          "stem out of range and half a pair",
     "stem,branch\n11,1\n2,\n",                               {},
     {"line 2: stem '11' is not a stem 1 ... 10", "line 3: a stem without a branch"}                                                                                                                       },
    {                "more fields than the header",
     "stem,branch\n1,1,x\n",                               {},
     {"line 2: it has 3 fields, the header names 2"}                                                                                                                                                       },
    {                         "quote never closed",                             "stem,branch\n\"1,1\n",                               {},                          {"line 2: a quotation mark opened here"}},
    {                           "neither encoding",                            "stem,branch\n\xFF,1\n",                               {},                    {"the file is neither UTF-8 nor Thai Windows"}},
    {                               "header alone",                             "name,stem,branch\r\n",                               {},                             {"the list has a header but no rows"}},
};

TEST(GiverList, ReadsEachKindOfListAndRefusesEachKindOfBadRow) {
    for (const ListCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const GiverList list = ReadGiverList(c.bytes, FakePillar);
        std::vector<Row> rows;
        for (const GiverRow& row : list.rows)
            rows.push_back({row.line, row.name, row.stem, row.branch});
        EXPECT_THAT(rows, ElementsAreArray(c.rows));
        ASSERT_EQ(list.problems.size(), c.problems.size());
        for (std::size_t i = 0; i < c.problems.size(); ++i)
            EXPECT_THAT(ProblemText(list.problems[i]), ::testing::StartsWith(c.problems[i]));
    }
}

TEST(GiverList, BirthTakesTheYearPillarOfTheShippedCalendar) {
    const calendar::IndexLoad load = calendar::LoadCalendarIndex(OMENARY_DATA_DIR, {});
    ASSERT_TRUE(load.index) << load.failure;
    const YearPillarLookup lookup = CalendarYearPillars(*load.index, OMENARY_DATA_DIR, false);
    // The year 2527 begins on 4 February: the 3rd is still a year of the pig.
    EXPECT_EQ(lookup(2527, 2, 3), (YearPillar{10, 12}));
    EXPECT_EQ(lookup(2527, 2, 5), (YearPillar{1, 1}));
    EXPECT_EQ(lookup(2700, 12, 31), (YearPillar{4, 6}));
    EXPECT_EQ(lookup(2442, 1, 1), (YearPillar{5, 11}));
    EXPECT_EQ(lookup(2701, 1, 1), std::nullopt);
}

class GiverListFiles : public omenary::testing::TempFolderTest {};

TEST_F(GiverListFiles, ACalendarFileMissingForOneRowIsNotLookedForAgain) {
    const calendar::IndexLoad load = calendar::LoadCalendarIndex(OMENARY_DATA_DIR, {});
    ASSERT_TRUE(load.index) << load.failure;
    const YearPillarLookup lookup = CalendarYearPillars(*load.index, root_, false);
    EXPECT_EQ(lookup(2527, 2, 5), std::nullopt);
    Write(root_ / "Calendar1.TXT", "Year(4) Month(2) Date(2)\r\n2527 02 05    1 1\r\n");
    EXPECT_EQ(lookup(2527, 2, 5), std::nullopt);
    // The file is good: a new list's lookup reads it.
    EXPECT_EQ(CalendarYearPillars(*load.index, root_, false)(2527, 2, 5), (YearPillar{1, 1}));
}

// What the system's converter makes of the bytes as Thai Windows text; nothing where it refuses them.
std::optional<std::string> IconvThaiWindows(std::string bytes) {
    const iconv_t convert = iconv_open("UTF-8", "WINDOWS-874");
    if (convert == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) return std::nullopt;
    std::string out(bytes.size() * 4, '\0');
    char* in = bytes.data();
    char* to = out.data();
    std::size_t inLeft = bytes.size(), outLeft = out.size();
    const std::size_t result = iconv(convert, &in, &inLeft, &to, &outLeft);
    iconv_close(convert);
    if (result == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

TEST(GiverList, ThaiWindowsBytesReadAsTheSystemConverterReadsThem) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        // "ก" before the byte: a lone byte above 0x7F is never UTF-8, so the line is read as Thai Windows.
        const std::string bytes = std::string("\xA1") + static_cast<char>(byte);
        EXPECT_EQ(ListTextAsUtf8(bytes), IconvThaiWindows(bytes)) << std::hex << byte;
    }
}

TEST(GiverList, OnlyWellFormedUtf8IsTakenAsUtf8) {
    const std::pair<std::string, std::string> cases[] = {
        {    "\xE0\xB8\x81",              "ก"}, // UTF-8 "ก" stays
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"}, // four bytes
        {        "\xC0\xA1",           "ภก"}, // overlong: Thai Windows
        {    "\xED\xA0\xA1",     "ํ\u00A0ก"}, // a surrogate: Thai Windows
        {        "\xE0\xB8",           "เธ"}, // cut short: Thai Windows
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(ListTextAsUtf8(bytes), text) << bytes;
}

// Every byte one unit wide, one line 20 high.
class ByteMetrics final : public report::TextMetrics {
  public:
    report::Box Measure(const report::Font& /*font*/, std::string_view caption) const override {
        return {0, 0, static_cast<int>(caption.size()), 20};
    }
};

TEST(GiverList, TheNameCoversTheDotsAfterTheFirstTwo) {
    const ByteMetrics metrics;
    report::Page page = EnvelopePage();
    page.Move("QRLabelLine1", 100, 50);
    AddRecipientName(page, "", metrics);
    EXPECT_FALSE(page.Has(kRecipientName)) << "no name, the dots stay";
    AddRecipientName(page, "Ann", metrics);
    const report::Element& name = page.Get(kRecipientName);
    const std::size_t dots = kReceiverLine.find('.', 3);
    EXPECT_EQ(name.box.x, 100 + static_cast<int>(dots) + 2);
    EXPECT_EQ(name.box.y, 50);
    EXPECT_EQ(page.Caption(kRecipientName), " Ann ");
    const std::size_t dotCount = kReceiverLine.find_first_not_of('.', dots) - dots;
    EXPECT_TRUE(RecipientNameFits(std::string(dotCount - 6, 'x'), metrics));
    EXPECT_FALSE(RecipientNameFits(std::string(dotCount - 5, 'x'), metrics));
}

}  // namespace
}  // namespace omenary::coin
