// The coin search over the shipped calendar in memory, and the coin and general commands as whole
// processes writing a PDF.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/calendar/records.h"
#include "core/coin/search.h"
#include "core/coin/tab_handlers.h"
#include "core/common/text.h"

namespace {

using namespace omenary;

const std::filesystem::path kData = std::filesystem::path(OMENARY_SOURCE_DIR) / "data";

class NoView final : public report::CalculationView {
  public:
    void ShowHourglass() override {}
    void RestoreCursor() override {}
    void Output(const report::Page&, bool) override {}
};

// All 60 pairs from the first day of every month of 2547: 720 searches over the loaded lines.
void BM_CoinSearchYear(benchmark::State& state) {
    coin::CoinValues values;
    values.listboxcalendar = *calendar::ReadCalendarData(kData / "Calendar1.TXT");
    values.ComboBoxYY = "2547";
    values.ComboBoxDD = "01";
    platform::RecordedMessages messages;
    NoView view;
    const coin::SearchContext context{nullptr, kData, messages, view};
    for (auto _ : state) {
        for (int month = 1; month <= 12; ++month) {
            for (int s = 1; s <= 10; ++s) {
                for (int b = 1; b <= 12; ++b) {
                    if (!coin::IsCoinPair(s, b)) continue;
                    values.ComboBoxMM = TwoDigits(month);
                    values.LabelRasibon = TwoDigits(s);
                    values.LabelRasiLang = TwoDigits(b);
                    coin::ButtonCalOmenaryCoinClick(values, context);
                }
            }
        }
        benchmark::DoNotOptimize(values.LabelOmenaryCoin);
    }
    state.SetItemsProcessed(state.iterations() * 720);
}
BENCHMARK(BM_CoinSearchYear)->Unit(benchmark::kMillisecond);

// One whole run of omenary-cli, as a script starts it.
void BM_CliProcess(benchmark::State& state, const std::string& arguments) {
    const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "omenary-bench-cli.pdf";
    const std::string command = std::string(OMENARY_CLI_PATH) + " " + arguments +
                                " --today 2004-01-05 --data " + kData.string() + " --pdf " + pdf.string() +
                                " > /dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("omenary-cli failed");
    std::filesystem::remove(pdf);
}
BENCHMARK_CAPTURE(BM_CliProcess, coin_pdf, std::string("coin --stem 1 --branch 1 --start 2547-01-05"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CliProcess, general_pdf, std::string("general --back 0 --person1 1 --year 2547"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
