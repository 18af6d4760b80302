// A list of givers for printing one envelope each, as a spreadsheet saves it: CSV in UTF-8 (with or
// without a byte-order mark) or in the Thai Windows code page, commas or semicolons, a header row in
// English or Thai. Every row is checked before any envelope is made, so a bad list writes nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calendar/index.h"
#include "core/calendar/records.h"
#include "core/report/page.h"

namespace omenary::coin {

// The bytes of a list file (a spreadsheet's CSV, a script's JSON lines); nothing when it cannot be
// read or is too large to be a list.
std::optional<std::string> ReadListFile(const std::filesystem::path& file);

// The text as UTF-8: a byte-order mark dropped; bytes that are not UTF-8 read as the Thai Windows
// code page. Nothing when they are neither (a byte that code page leaves undefined).
std::optional<std::string> ListTextAsUtf8(std::string_view bytes);

// One record of CSV text: its fields and the line it starts on (from 1).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// Fields split at the separator, quoted fields may hold separators, line ends and doubled quotes;
// CR LF or LF end a record. Lines that are empty are no records. Nothing when a quote is never
// closed; *openLine is then the line it opened on.
std::optional<std::vector<CsvRecord>> SplitCsv(std::string_view text, char separator, int* openLine);

// The stem and branch of the year a day falls in, from the calendar's year pillar; nothing for a
// day the calendar does not hold.
using YearPillar = calendar::YearPillar;
using YearPillarLookup = std::function<std::optional<YearPillar>(int beYear, int month, int day)>;

// The lookup through the calendar index and the data files in the working directory.
YearPillarLookup CalendarYearPillars(const calendar::CalendarIndex& index,
                                     std::filesystem::path workingDirectory, bool mapped);

struct GiverRow {
    int line = 0;  // in the file, from 1
    std::string name;
    int stem = 0;    // 1 ... 10
    int branch = 0;  // 1 ... 12
};

struct ListProblem {
    int line = 0;  // 0: the file as a whole
    std::string text;
};

struct GiverList {
    std::vector<GiverRow> rows;
    std::vector<ListProblem> problems;  // one per bad row; rows is empty when there is any
};

// With metrics, a name too long for the envelope's dotted line is a bad row too.
GiverList ReadGiverList(std::string_view bytes, const YearPillarLookup& yearPillar,
                        const report::TextMetrics* metrics = nullptr);

// "line 3: ..." or the text alone for the file as a whole.
std::string ProblemText(const ListProblem& problem);

// The recipient's name on an envelope: written over the dots of line 1, on white, a couple of dots
// in; the dots show on either side of it. No name, no element: the dots stay for the pen.
inline constexpr std::string_view kRecipientName = "QRLabelRecipient";

// Whether the name leaves a couple of dots at either end of the dotted line.
bool RecipientNameFits(std::string_view name, const report::TextMetrics& metrics);

// Adds the name to a filled envelope, after its line 1.
void AddRecipientName(report::Page& page, const std::string& name, const report::TextMetrics& metrics);

}  // namespace omenary::coin
