// Whole omenary-cli runs beside the bare Qt program that writes a one-page Thai PDF, in the same run:
// each process's wall time, its ratio to the bare program's (x_bare) and its peak memory (peak_MiB).
#include <benchmark/benchmark.h>

#include "bench/process_run.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using omenary::bench::Run;
using omenary::bench::RunProcess;

const std::string kData = (fs::path(OMENARY_SOURCE_DIR) / "data").string();
const std::string kOut = (fs::temp_directory_path() / "omenary-whole-process.pdf").string();

// Each run of a command follows a run of the bare program, so that both see the machine in the
// same state; x_bare is the ratio of their total times.
void Measure(benchmark::State& state, std::vector<std::string> command) {
    command.insert(command.end(), {"--data", kData, "--pdf", kOut});
    double total = 0, bare = 0, peak = 0;
    for (auto _ : state) {
        bare += RunProcess({OMENARY_BARE_PATH, kOut}).seconds;
        const Run run = RunProcess(command);
        if (!run.ok) state.SkipWithError("the process failed");
        state.SetIterationTime(run.seconds);
        total += run.seconds;
        peak = std::max(peak, run.peakMiB);
    }
    state.counters["x_bare"] = total / bare;
    state.counters["peak_MiB"] = peak;
    fs::remove(kOut);
}

void BM_Bare(benchmark::State& state) {
    double peak = 0;
    for (auto _ : state) {
        const Run run = RunProcess({OMENARY_BARE_PATH, kOut});
        state.SetIterationTime(run.seconds);
        peak = std::max(peak, run.peakMiB);
    }
    state.counters["peak_MiB"] = peak;
}
BENCHMARK(BM_Bare)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_General(benchmark::State& state) {
    Measure(state, {OMENARY_CLI_PATH, "general", "--back", "140", "--person1", "1", "--year", "2548",
                    "--today", "2005-03-15"});
}
BENCHMARK(BM_General)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Marriage(benchmark::State& state) {
    Measure(state,
            {OMENARY_CLI_PATH, "marriage", "--groom", "2517", "--bride", "2520", "--today", "2004-07-10"});
}
BENCHMARK(BM_Marriage)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_Coin(benchmark::State& state) {
    Measure(state, {OMENARY_CLI_PATH, "coin", "--stem", "3", "--branch", "7", "--start", "2547-01-05",
                    "--today", "2004-01-05"});
}
BENCHMARK(BM_Coin)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
