// The coin search loads a calendar data file and walks its days; the generator makes the shipped
// calendar. Run from anywhere: the shipped data is found in the source tree.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/calendar/generator.h"
#include "core/calendar/records.h"
#include "core/calendar/sun.h"

namespace {

using namespace omenary::calendar;

// Not from __FILE__, which a compiler cache may have made relative to the build folder.
const std::filesystem::path kShippedData = std::filesystem::path(OMENARY_SOURCE_DIR) / "data";

// mapped:0 as the window reads it, mapped:1 as the command line does, asking afterwards whether the
// file stayed as it was.
void BM_LoadAndWalkShippedCalendar(benchmark::State& state) {
    std::size_t days = 0;
    for (auto _ : state) {
        const auto lines = ReadCalendarData(kShippedData / "Calendar1.TXT", state.range(0) == 1);
        if (!lines) {
            state.SkipWithError("data/Calendar1.TXT cannot be read");
            return;
        }
        int sum = 0;
        days = 0;
        // In order, as the coin search walks the days.
        std::size_t offset = 0;
        while (const auto line = lines->NextLine(&offset))
            if (const auto record = ReadDayRecord(*line)) {
                sum += record->stem + record->branch;
                ++days;
            }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(lines->Intact());
    }
    state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_LoadAndWalkShippedCalendar)->ArgName("mapped")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The shipped calendar with each of its line ends: CR LF as shipped, LF alone, CR alone. Every one
// must be read in time linear in the file's size.
void BM_WalkShippedCalendarByLineEnd(benchmark::State& state, const std::string& lineEnd) {
    const auto shipped = ReadCalendarData(kShippedData / "Calendar1.TXT");
    if (!shipped) {
        state.SkipWithError("data/Calendar1.TXT cannot be read");
        return;
    }
    std::string bytes;
    std::size_t offset = 0;
    while (const auto line = shipped->NextLine(&offset))
        bytes.append(*line).append(lineEnd);
    const omenary::TextLines lines(std::move(bytes));
    std::size_t days = 0;
    for (auto _ : state) {
        days = 0;
        offset = 0;
        while (const auto line = lines.NextLine(&offset))
            days += ReadDayRecord(*line).has_value();
        benchmark::DoNotOptimize(days);
    }
    state.counters["days"] = static_cast<double>(days);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(lines.Bytes().size()));
}
BENCHMARK_CAPTURE(BM_WalkShippedCalendarByLineEnd, crlf, std::string("\r\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkShippedCalendarByLineEnd, lf, std::string("\n"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WalkShippedCalendarByLineEnd, lone_cr, std::string("\r"))->Unit(benchmark::kMillisecond);

void BM_GenerateShippedRange(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateCalendar(2442, 2700, 1000));
}
BENCHMARK(BM_GenerateShippedRange)->Unit(benchmark::kMillisecond);

void BM_SectionalTermsOfOneYear(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(SectionalTermsOfYear(2024));
}
BENCHMARK(BM_SectionalTermsOfOneYear)->Unit(benchmark::kMicrosecond);

}  // namespace
