// Whole omenary-cli runs, as a script sees them: process start, first start, inputs, calculation,
// fill and the PDF written. The marriage and the general omenary side by side, in the same run, and a
// general run whose blank slot picture is far larger than any slot (it is refused at once).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string kData = (fs::path(OMENARY_SOURCE_DIR) / "data").string();
const std::string kPdf = (fs::temp_directory_path() / "omenary-cli-bench.pdf").string();

void RunCli(benchmark::State& state, const std::string& arguments, const std::string& data = kData,
            bool mustSucceed = true) {
    const std::string command = std::string(OMENARY_CLI_PATH) + " " + arguments +
                                " --today 2004-07-10 --data " + data + " --pdf " + kPdf + " >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0 && mustSucceed) state.SkipWithError("omenary-cli failed");
    fs::remove(kPdf);
}

// A copy of the data whose os0.bmp is a 4000 x 5000 one-bit bitmap (2.5 MB).
std::string DataWithOversizedBlank() {
    const fs::path copy = fs::temp_directory_path() / "omenary-bench-oversized";
    fs::remove_all(copy);
    fs::copy(kData, copy, fs::copy_options::recursive);
    for (const auto& entry : fs::directory_iterator(copy))
        if (entry.path().filename().string().size() == 7 &&
            entry.path().filename().string().starts_with("os0"))
            fs::remove(entry.path());
    const std::uint32_t width = 4000, height = 5000, row = (width + 31) / 32 * 4, pixels = row * height;
    std::string bytes = "BM";
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    put(62 + pixels, 4), put(0, 4), put(62, 4);                                  // file header
    put(40, 4), put(width, 4), put(height, 4), put(1, 2), put(1, 2), put(0, 4);  // info header
    put(pixels, 4), put(2835, 4), put(2835, 4), put(2, 4), put(2, 4);
    put(0, 4), put(0xFFFFFF, 4);  // black and white
    bytes.append(pixels, '\0');
    std::ofstream(copy / "os0.bmp", std::ios::binary) << bytes;
    return copy.string();
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

void BM_GeneralWithOversizedBlank(benchmark::State& state) {
    const std::string data = DataWithOversizedBlank();
    RunCli(state, "general --back 0 --person1 1 --person2 7 --year 2547", data, false);
    fs::remove_all(data);
}
BENCHMARK(BM_GeneralWithOversizedBlank)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
