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

void BM_LoadAndWalkShippedCalendar(benchmark::State& state) {
    std::size_t days = 0;
    for (auto _ : state) {
        const auto lines = ReadCalendarData(kShippedData / "Calendar1.TXT");
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
    }
    state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_LoadAndWalkShippedCalendar)->Unit(benchmark::kMillisecond);

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
