// The direction rules run on every leave of a degree input and three times per calculation.
#include <benchmark/benchmark.h>

#include "core/astro/compass.h"

namespace {

using namespace omenary::astro;

void BM_DegreeToBranchCodesAllDegrees(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& degree : AllowedDegreeTexts())
            benchmark::DoNotOptimize(DegreeToBranchCodes(degree));
    state.SetItemsProcessed(state.iterations() * kAllowedDegreeCount);
}
BENCHMARK(BM_DegreeToBranchCodesAllDegrees);

void BM_IsAllowedDegree(benchmark::State& state) {
    for (auto _ : state)
        for (const std::string& degree : AllowedDegreeTexts())
            benchmark::DoNotOptimize(IsAllowedDegree(degree));
    state.SetItemsProcessed(state.iterations() * kAllowedDegreeCount);
}
BENCHMARK(BM_IsAllowedDegree);

void BM_AspectStatus(benchmark::State& state) {
    YearOfWork year;
    DeriveYearOfWork(2547, year);
    for (auto _ : state)
        benchmark::DoNotOptimize(AspectStatus("322.5", year));
}
BENCHMARK(BM_AspectStatus);

}  // namespace
