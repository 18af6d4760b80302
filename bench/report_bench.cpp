// Rendering the general page: to PDF (vector) and to a 150-dpi PNG, with every picture slot loaded.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "core/general/general_page.h"
#include "qt/platform/fonts.h"
#include "qt/platform/picture_files.h"
#include "qt/report/renderer.h"

namespace {

using namespace omenary;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "report_bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QGuiApplication(argc, argv);
        qt::InstallFontSubstitutions();
        return created;
    }();
    (void)application;
}

// The page as a report leaves it: every branch, number, compass and stage slot holds a bitmap.
report::Page FilledGeneralPage() {
    EnsureApplication();
    report::Page page = general::GeneralPage();
    const qt::QtPictureFiles files(std::filesystem::path(__FILE__).parent_path().parent_path() / "data");
    page.LoadDesignPictures(files);
    std::vector<std::string> pictureSlots;
    for (const report::Element& element : page.Elements())
        if (element.Kind() == report::ElementKind::Picture && element.name != "QRImageLogo")
            pictureSlots.push_back(element.name);
    for (const std::string& slot : pictureSlots)
        page.LoadPicture(slot, slot.find("umber") != std::string::npos ? "N7.BMP" : "BS7.BMP", files);
    return page;
}

const std::filesystem::path kOut = std::filesystem::temp_directory_path();

// The whole output: drawing and writing the file (PNG compression included).
void BM_GeneralPageToFile(benchmark::State& state, bool pdf) {
    const report::Page page = FilledGeneralPage();
    const std::filesystem::path file = kOut / (pdf ? "omenary-bench.pdf" : "omenary-bench.png");
    for (auto _ : state)
        benchmark::DoNotOptimize(pdf ? qt::WritePdf(page, file, nullptr) : qt::WritePng(page, file, nullptr));
    std::filesystem::remove(file);
}
BENCHMARK_CAPTURE(BM_GeneralPageToFile, pdf, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GeneralPageToFile, png150, false)->Unit(benchmark::kMillisecond);

// Drawing alone, without PNG compression.
void BM_GeneralPageRaster150(benchmark::State& state) {
    const report::Page page = FilledGeneralPage();
    for (auto _ : state)
        benchmark::DoNotOptimize(qt::RenderImage(page, qt::kPngDpi));
}
BENCHMARK(BM_GeneralPageRaster150)->Unit(benchmark::kMillisecond);

}  // namespace
