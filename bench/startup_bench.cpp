// Start-up to the end of the first activation: settings written, calendar index loaded, year lists
// filled, first-start defaults set; with and without building and showing the window.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <QApplication>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/formomenary.h"
#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/shell/omenary.h"
#include "qt/platform/picture_files.h"

namespace {

namespace fs = std::filesystem;
using namespace omenary;

// A working directory holding the shipped index, and an empty settings folder.
struct Folders {
    Folders() {
        root = fs::temp_directory_path() / ("omenary-bench-" + std::to_string(::getpid()));
        fs::create_directories(root / "config");
        fs::create_directories(root / "data");
        fs::copy_file(fs::path(OMENARY_SOURCE_DIR) / "data" / "HOROSCOPE.INI",
                      root / "data" / "HOROSCOPE.INI", fs::copy_options::overwrite_existing);
        // The glyphs the first start shows on the marriage tab (birth years 2537).
        for (const char* glyph : {"OS1.bmp", "BS11.bmp"})
            fs::copy_file(fs::path(OMENARY_SOURCE_DIR) / "data" / glyph, root / "data" / glyph,
                          fs::copy_options::overwrite_existing);
    }
    ~Folders() { fs::remove_all(root); }
    fs::path root;
};

void BM_FirstActivation(benchmark::State& state) {
    const Folders folders;
    platform::RecordedMessages messages;
    const platform::FixedClock clock({2567, 5, 2});
    for (auto _ : state) {
        const qt::QtPictureFiles pictures(folders.root / "data");
        shell::Omenary logic({messages, clock, folders.root / "data", folders.root / "config", pictures});
        if (logic.FormActivate() != shell::Activation::Done) state.SkipWithError("start-up failed");
        benchmark::DoNotOptimize(logic.shell.yearItems.data());
    }
}
BENCHMARK(BM_FirstActivation)->Unit(benchmark::kMicrosecond);

void BM_WindowUpToFirstActivation(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "startup_bench";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    const Folders folders;
    platform::RecordedMessages messages;
    const platform::FixedClock clock({2567, 5, 2});
    for (auto _ : state) {
        const qt::QtPictureFiles pictures(folders.root / "data");
        shell::Omenary logic({messages, clock, folders.root / "data", folders.root / "config", pictures});
        app::TFormomenary window(logic);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window) || logic.shell.LabelFirstStart != "No")
            state.SkipWithError("the window did not start");
        window.close();
    }
}
BENCHMARK(BM_WindowUpToFirstActivation)->Unit(benchmark::kMillisecond);

}  // namespace
