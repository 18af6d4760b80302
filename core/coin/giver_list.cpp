#include "core/coin/giver_list.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <set>
#include <variant>

#include "core/calendar/records.h"
#include "core/coin/envelope_fill.h"
#include "core/coin/envelope_page.h"
#include "core/coin/search.h"
#include "core/common/code_page.h"
#include "core/common/text.h"
#include "core/common/text_lines.h"

namespace omenary::coin {

std::optional<std::string> ReadListFile(const std::filesystem::path& file) {
    // A spreadsheet's list is small; anything this large is not one.
    constexpr std::size_t kLargestList = 16 * 1024 * 1024;
    return ReadFileBytes(file, kLargestList);
}

namespace fs = std::filesystem;

namespace {

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80             ? 1
                           : (lead & 0xE0) == 0xC0 ? 2
                           : (lead & 0xF0) == 0xE0 ? 3
                           : (lead & 0xF8) == 0xF0 ? 4
                                                   : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

enum class Column { Name, Stem, Branch, Birth };

struct ColumnName {
    std::string_view english;
    std::string_view thai;
    Column column;
};

constexpr ColumnName kColumns[] = {
    {  "name",             "ชื่อ",   Column::Name},
    {  "stem",       "ราศีบน",   Column::Stem},
    {"branch", "ราศีล่าง", Column::Branch},
    { "birth",    "วันเกิด",  Column::Birth},
};

std::optional<Column> ColumnOf(std::string_view header) {
    const std::string lower = ToLowerAscii(Trim(header));
    for (const ColumnName& entry : kColumns)
        if (lower == entry.english || lower == entry.thai) return entry.column;
    return std::nullopt;
}

// The separator of the header line: semicolons when it holds more of them than commas.
char SeparatorOf(std::string_view text) {
    const std::string_view header = text.substr(0, text.find('\n'));
    return std::count(header.begin(), header.end(), ';') > std::count(header.begin(), header.end(), ',')
               ? ';'
               : ',';
}

struct BirthDate {
    int year = 0, month = 0, day = 0;
};

std::optional<int> NumberOfDigits(std::string_view text, std::size_t fewest, std::size_t most) {
    if (text.size() < fewest || text.size() > most) return std::nullopt;
    return Number(text);
}

// BE-MM-DD or DD/MM/BE, a Buddhist-era year of four digits and a day the month has.
std::optional<BirthDate> ParseBirth(std::string_view text) {
    const char separator = text.find('/') != std::string_view::npos ? '/' : '-';
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const auto at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) break;
        from = at + 1;
    }
    if (parts.size() != 3) return std::nullopt;
    if (separator == '/') std::swap(parts[0], parts[2]);
    const auto year = NumberOfDigits(parts[0], 4, 4), month = NumberOfDigits(parts[1], 1, 2),
               day = NumberOfDigits(parts[2], 1, 2);
    constexpr int kFirstBuddhistEraYear = 2400;
    if (!year || !month || !day || *year < kFirstBuddhistEraYear || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*month, *year))
        return std::nullopt;
    return BirthDate{*year, *month, *day};
}

std::optional<int> CodeOf(const std::string& text, int largest) {
    const auto n = NumberOfDigits(text, 1, 2);
    return n && *n >= 1 && *n <= largest ? n : std::nullopt;
}

// Line 1 as the part before its dots, the dots, and the font the envelope writes it in.
struct DottedLine {
    std::string_view before;
    std::string_view dots;
};

DottedLine DotsOfReceiverLine() {
    const std::size_t from = kReceiverLine.find('.', kReceiverLine.find(' ') + 1);
    const std::size_t to = kReceiverLine.find_first_not_of('.', from);
    return {kReceiverLine.substr(0, from), kReceiverLine.substr(from, to - from)};
}

constexpr std::size_t kDotsLeft = 2;  // dots before and after the name

const report::Font& ReceiverFont(const report::Page& page) {
    return std::get<report::Text>(page.Get("QRLabelLine1").content).font;
}

std::string NameCaption(std::string_view name) {
    return " " + std::string(name) + " ";
}

// The font of line 1 and the width its dots leave for a name, measured once for a whole list.
struct NameRoom {
    const report::TextMetrics* metrics = nullptr;
    report::Font font;
    int room = 0;

    explicit NameRoom(const report::TextMetrics& measure) : metrics(&measure) {
        const report::Page envelope = EnvelopePage();
        font = ReceiverFont(envelope);
        room = measure.Measure(font, DotsOfReceiverLine().dots.substr(2 * kDotsLeft)).width;
    }

    bool Fits(std::string_view name) const { return metrics->Measure(font, NameCaption(name)).width <= room; }
};

// The row's giver, or what is wrong with it ("; " between several faults).
std::variant<GiverRow, std::string> CheckRow(const CsvRecord& record, const std::vector<Column>& columns,
                                             const YearPillarLookup& yearPillar,
                                             const std::optional<NameRoom>& nameRoom) {
    if (record.fields.size() > columns.size())
        return "it has " + std::to_string(record.fields.size()) + " fields, the header names " +
               std::to_string(columns.size());
    std::array<std::optional<std::string>, std::size(kColumns)> given;
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        std::string value(Trim(record.fields[i]));
        if (!value.empty()) given[static_cast<std::size_t>(columns[i])] = std::move(value);
    }
    const auto& stemText = given[static_cast<std::size_t>(Column::Stem)];
    const auto& branchText = given[static_cast<std::size_t>(Column::Branch)];
    const auto& birthText = given[static_cast<std::size_t>(Column::Birth)];
    std::vector<std::string> faults;
    const auto& name = given[static_cast<std::size_t>(Column::Name)];
    if (name && nameRoom && !nameRoom->Fits(*name))
        faults.push_back("the name '" + *name + "' is longer than the dotted line");
    std::optional<int> stem, branch;
    if (stemText && !(stem = CodeOf(*stemText, 10)))
        faults.push_back("stem '" + *stemText + "' is not a stem 1 ... 10");
    if (branchText && !(branch = CodeOf(*branchText, 12)))
        faults.push_back("branch '" + *branchText + "' is not a branch 1 ... 12");
    if (stemText.has_value() != branchText.has_value())
        faults.push_back(stemText ? "a stem without a branch" : "a branch without a stem");
    if (!stemText && !branchText && !birthText)
        faults.push_back("neither a stem and branch nor a birth date");
    if (stem && branch && *stem % 2 != *branch % 2)
        faults.push_back("stem " + std::to_string(*stem) + " and branch " + std::to_string(*branch) +
                         " do not form a pair: both odd or both even");
    if (birthText) {
        const auto birth = ParseBirth(*birthText);
        const auto pillar = birth ? yearPillar(birth->year, birth->month, birth->day) : std::nullopt;
        if (!birth) {
            faults.push_back("birth '" + *birthText + "' is not a date BE-MM-DD or DD/MM/BE");
        } else if (!pillar) {
            faults.push_back("birth '" + *birthText + "' is outside the calendar");
        } else if (stemText || branchText) {
            if (stem && branch && (*stem != pillar->first || *branch != pillar->second))
                faults.push_back("stem " + std::to_string(*stem) + " and branch " + std::to_string(*branch) +
                                 " disagree with birth " + *birthText + ", a year of stem " +
                                 std::to_string(pillar->first) + " and branch " +
                                 std::to_string(pillar->second));
        } else {
            stem = pillar->first;
            branch = pillar->second;
        }
    }
    if (!faults.empty()) {
        std::string text = faults.front();
        for (std::size_t i = 1; i < faults.size(); ++i)
            text += "; " + faults[i];
        return text;
    }
    return GiverRow{record.line, name.value_or(""), *stem, *branch};
}

// The columns the header names; problems for an unknown, a repeated or a missing column.
std::vector<Column> ReadHeader(const CsvRecord& header, std::vector<ListProblem>& problems) {
    std::vector<Column> columns;
    std::vector<std::string> faults;
    for (const std::string& field : header.fields) {
        const auto column = ColumnOf(field);
        if (!column) {
            faults.push_back("unknown column '" + field +
                             "'; allowed: name/ชื่อ, stem/ราศีบน, branch/ราศีล่าง, "
                             "birth/วันเกิด");
        } else if (std::find(columns.begin(), columns.end(), *column) != columns.end()) {
            faults.push_back("column '" + field + "' named twice");
        }
        columns.push_back(column.value_or(Column::Name));
    }
    const auto has = [&columns](Column c) {
        return std::find(columns.begin(), columns.end(), c) != columns.end();
    };
    if (!(has(Column::Stem) && has(Column::Branch)) && !has(Column::Birth))
        faults.push_back("the header names neither stem and branch nor birth");
    for (const std::string& fault : faults)
        problems.push_back({header.line, fault});
    return columns;
}

}  // namespace

bool RecipientNameFits(std::string_view name, const report::TextMetrics& metrics) {
    return NameRoom(metrics).Fits(name);
}

void AddRecipientName(report::Page& page, const std::string& name, const report::TextMetrics& metrics) {
    if (name.empty()) return;
    const report::Element& line1 = page.Get("QRLabelLine1");
    const report::Font font = ReceiverFont(page);
    const DottedLine line = DotsOfReceiverLine();
    const std::string before = std::string(line.before) + std::string(line.dots.substr(0, kDotsLeft));
    page.AddText(std::string(kRecipientName),
                 {line1.box.x + metrics.Measure(font, before).width, line1.box.y, 0, 0}, NameCaption(name),
                 font);
}

std::optional<std::string> ListTextAsUtf8(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    if (IsUtf8(bytes)) return std::string(bytes);
    return ThaiWindowsToUtf8(bytes);
}

std::optional<std::vector<CsvRecord>> SplitCsv(std::string_view text, char separator, int* openLine) {
    std::vector<CsvRecord> records;
    CsvRecord record{1, {{}}};
    int line = 1;
    bool quoted = false, blank = true;
    const auto endRecord = [&] {
        if (!blank) records.push_back(std::move(record));
        record = CsvRecord{line, {{}}};
        blank = true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                if (c == '\n') ++line;
                record.fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
            blank = false;
        } else if (c == separator) {
            record.fields.emplace_back();
            blank = false;
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            if (c == '\r') ++i;
            ++line;
            endRecord();
        } else {
            record.fields.back() += c;
            if (c != ' ' && c != '\t' && c != '\r') blank = false;
        }
    }
    if (quoted) {
        if (openLine != nullptr) *openLine = record.line;
        return std::nullopt;
    }
    endRecord();
    return records;
}

YearPillarLookup CalendarYearPillars(const calendar::CalendarIndex& index, fs::path workingDirectory,
                                     bool mapped) {
    // The data file read last stays loaded: a list mostly asks for the same few files. A file that
    // is missing or cannot be read is looked for once; its other rows fail without another try.
    struct Loaded {
        std::string name;
        std::optional<TextLines> lines;
        std::set<std::string, std::less<>> unreadable;
    };
    auto loaded = std::make_shared<Loaded>();
    return [&index, workingDirectory = std::move(workingDirectory), mapped, loaded](
               int year, int month, int day) -> std::optional<YearPillar> {
        const std::string name = index.CalendarFileForYear(year);
        if (name.empty() || loaded->unreadable.contains(name)) return std::nullopt;
        if (loaded->name != name || !loaded->lines) {
            const auto file = FindCalendarData(workingDirectory, name);
            auto lines = file ? calendar::ReadCalendarData(*file, mapped) : std::nullopt;
            if (!lines) {
                loaded->unreadable.insert(name);
                return std::nullopt;
            }
            loaded->name = name;
            loaded->lines = std::move(lines);
        }
        // Records are in date order after the header line, and date keys of fixed width sort as dates.
        const std::string key = calendar::MakeDateKey(year, month, day);
        const TextLines& lines = *loaded->lines;
        std::size_t low = 1, high = lines.Count();
        while (low < high) {
            const std::size_t middle = low + (high - low) / 2;
            if (lines.Line(middle).substr(0, key.size()) < key)
                low = middle + 1;
            else
                high = middle;
        }
        const std::string_view line = lines.Line(low);
        return line.starts_with(key) ? calendar::ReadYearPillar(line) : std::nullopt;
    };
}

GiverList ReadGiverList(std::string_view bytes, const YearPillarLookup& yearPillar,
                        const report::TextMetrics* metrics) {
    GiverList list;
    const auto text = ListTextAsUtf8(bytes);
    if (!text) {
        list.problems.push_back({0, "the file is neither UTF-8 nor Thai Windows (TIS-620) text"});
        return list;
    }
    int openLine = 0;
    const auto records = SplitCsv(*text, SeparatorOf(*text), &openLine);
    if (!records) {
        list.problems.push_back({openLine, "a quotation mark opened here is never closed"});
        return list;
    }
    if (records->empty()) {
        list.problems.push_back({0, "the file is empty: a header row and one row per envelope are needed"});
        return list;
    }
    const std::vector<Column> columns = ReadHeader(records->front(), list.problems);
    if (!list.problems.empty()) return list;
    std::optional<NameRoom> nameRoom;
    if (metrics != nullptr) nameRoom.emplace(*metrics);
    for (auto record = records->begin() + 1; record != records->end(); ++record) {
        auto checked = CheckRow(*record, columns, yearPillar, nameRoom);
        if (auto* row = std::get_if<GiverRow>(&checked))
            list.rows.push_back(std::move(*row));
        else
            list.problems.push_back({record->line, std::get<std::string>(checked)});
    }
    if (list.rows.empty() && list.problems.empty())
        list.problems.push_back({0, "the list has a header but no rows"});
    if (!list.problems.empty()) list.rows.clear();
    return list;
}

std::string ProblemText(const ListProblem& problem) {
    return problem.line == 0 ? problem.text : "line " + std::to_string(problem.line) + ": " + problem.text;
}

}  // namespace omenary::coin
