// Whole omenary-cli runs, as a script sees them: process start, first start, inputs, calculation,
// fill and the PDF written. The marriage and the general omenary side by side, in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kData = (fs::path(OMENARY_SOURCE_DIR) / "data").string();
const std::string kPdf = (fs::temp_directory_path() / "omenary-cli-bench.pdf").string();

void RunCli(benchmark::State& state, const std::string& arguments) {
    const std::string command = std::string(OMENARY_CLI_PATH) + " " + arguments +
                                " --today 2004-07-10 --data " + kData + " --pdf " + kPdf + " >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("omenary-cli failed");
    fs::remove(kPdf);
}

void BM_MarriagePdf(benchmark::State& state) {
    RunCli(state,
           "marriage --groom 2517 --bride 2520 --groom-father 1 --groom-mother 4 --bride-father 5 "
           "--bride-mother 8");
}
BENCHMARK(BM_MarriagePdf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GeneralPdf(benchmark::State& state) {
    RunCli(state, "general --back 0 --person1 1 --person2 7 --year 2547");
}
BENCHMARK(BM_GeneralPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
