// The coin search loads a calendar data file and walks its days; the generator makes the shipped
// calendar. Run from anywhere: the shipped data is found beside this source file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/calendar/generator.h"
#include "core/calendar/records.h"
#include "core/calendar/sun.h"

namespace {

using namespace omenary::calendar;

const std::filesystem::path kShippedData =
    std::filesystem::path(__FILE__).parent_path().parent_path() / "data";

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
