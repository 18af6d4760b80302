// Envelopes for a whole list: omenary-cli coin --list into one PDF, whole process, beside the bare Qt
// program that draws as many pages with the same texts and pictures (bare_qt_envelopes), each run of
// ours right after one of the bare program. Counters: x_bare, the ratio of the total times, and
// peak_MiB, the largest peak memory of a run, which should not grow with the list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/process_run.h"

namespace {

namespace fs = std::filesystem;
using omenary::bench::Run;
using omenary::bench::RunProcess;

const std::string kData = (fs::path(OMENARY_SOURCE_DIR) / "data").string();
const fs::path kFolder = fs::temp_directory_path() / "omenary-list-bench";

// A list of `rows` givers: all of stem 1 and branch 1 (the pictures the bare program draws), or the
// sixty pairs in turn.
std::string WriteList(std::int64_t rows, bool mixed) {
    fs::create_directories(kFolder);
    const fs::path file = kFolder / (std::to_string(rows) + (mixed ? "-mixed.csv" : ".csv"));
    std::ofstream out(file);
    out << "ชื่อ,ราศีบน,ราศีล่าง\n";
    for (std::int64_t i = 0; i < rows; ++i) {
        const int stem = mixed ? static_cast<int>(i % 10) + 1 : 1;
        const int branch = mixed ? static_cast<int>((i / 10 * 2 + stem - 1) % 12) + 1 : 1;
        out << "ผู้รับ " << i << "," << stem << "," << branch << "\n";
    }
    return file.string();
}

void MeasureList(benchmark::State& state, bool mixed) {
    const std::string list = WriteList(state.range(0), mixed), pdf = (kFolder / "list.pdf").string();
    const std::string barePdf = (kFolder / "bare.pdf").string();
    double total = 0, bare = 0, peak = 0, barePeak = 0;
    for (auto _ : state) {
        const Run floor =
            RunProcess({OMENARY_BARE_ENVELOPES_PATH, barePdf, kData, std::to_string(state.range(0))});
        const Run run = RunProcess({OMENARY_CLI_PATH, "coin", "--list", list, "--start", "2567-01-05",
                                    "--today", "2024-01-01", "--data", kData, "--pdf", pdf});
        if (!run.ok || !floor.ok) state.SkipWithError("a process failed");
        state.SetIterationTime(run.seconds);
        total += run.seconds;
        bare += floor.seconds;
        peak = std::max(peak, run.peakMiB);
        barePeak = std::max(barePeak, floor.peakMiB);
    }
    state.counters["x_bare"] = total / bare;
    state.counters["bare_s"] = bare / static_cast<double>(state.iterations());
    state.counters["peak_MiB"] = peak;
    state.counters["bare_peak_MiB"] = barePeak;
    fs::remove_all(kFolder);
}

void BM_CoinList(benchmark::State& state) {
    MeasureList(state, false);
}
BENCHMARK(BM_CoinList)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_CoinListSixtyPairs(benchmark::State& state) {
    MeasureList(state, true);
}
BENCHMARK(BM_CoinListSixtyPairs)->Arg(1000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
