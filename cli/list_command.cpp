// omenary-cli coin --list FILE: one envelope per giver of a spreadsheet's list, in one program run.
// The list is checked whole before anything is drawn; the pages are drawn one at a time into one
// PDF, numbered PNGs and one print job, so memory stays flat however long the list is.
#include <unistd.h>

#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <map>
#include <ostream>
#include <sstream>

#include "cli/cli.h"
#include "cli/coin_run.h"
#include "cli/commands.h"
#include "core/coin/envelope_page.h"
#include "core/coin/giver_list.h"
#include "core/common/text_lines.h"
#include "qt/platform/qt_text.h"
#include "qt/report/renderer.h"

namespace omenary::cli {

namespace fs = std::filesystem;

namespace {

constexpr OptionSpec kListOptions[] = {
    {     "--list",  true},
    {    "--start",  true},
    {"--landscape", false},
    {   "--center", false},
};
constexpr std::string_view kListUsage =
    "coin --list FILE --start BE-MM-DD [--landscape] [--center] [--today DATE] [--data DIR] [--pdf FILE] "
    "[--png DIR] [--print [PRINTER]]";

// A spreadsheet's list is small; anything this large is not one.
constexpr std::size_t kLargestList = 16 * 1024 * 1024;

// The JSON of one page on one line: every line end of the object is layout, since strings escape
// theirs.
std::string OneLine(const std::string& json) {
    std::string line;
    line.reserve(json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] != '\n') {
            line += json[i];
            continue;
        }
        while (i + 1 < json.size() && json[i + 1] == ' ')
            ++i;
    }
    return line + "\n";
}

// Where the pages go: a PDF written whole or not at all, numbered PNGs that are removed again when
// anything fails, and one print job sent only when every page was drawn.
class PageOutputs {
  public:
    PageOutputs(const RunOptions& options, std::size_t count) : options_(options), count_(count) {}

    bool Open(std::ostream& err) {
        if (options_.pdf) {
            pdfFile_ = std::make_unique<QSaveFile>(qt::ToQString(options_.pdf->string()));
            if (!pdfFile_->open(QIODevice::WriteOnly)) return Fail(err, *options_.pdf, "cannot be written");
            pdfWriter_ = std::make_unique<QPdfWriter>(pdfFile_.get());
            pdfWriter_->setCreator(QStringLiteral("MORVIT - Omenary"));
            pdfPages_ = std::make_unique<qt::PageSequence>(*pdfWriter_);
        }
        if (options_.png) {
            std::error_code error;
            madePngFolder_ = fs::create_directories(*options_.png, error);
            if (error || !fs::is_directory(*options_.png, error))
                return Fail(err, *options_.png, "is not a folder that can be written");
        }
        if (options_.print) {
            std::string failure;
            printJob_ = OpenPrintJob(*options_.print, kCoinCommand, failure);
            if (!printJob_) {
                err << "omenary-cli coin: " << failure << "\n";
                return false;
            }
        }
        return true;
    }

    bool Add(const report::Page& page, std::size_t number, std::ostream& err) {
        if (pdfPages_ && !pdfPages_->Draw(page))
            return Fail(err, *options_.pdf, "the page could not be drawn");
        if (options_.png) {
            const fs::path file = *options_.png / PngName(number);
            QString error;
            if (!qt::WritePng(page, file, &error)) {
                err << "omenary-cli coin: " << qt::ToStdString(error) << "\n";
                return false;
            }
            pngs_.push_back(file);
        }
        if (printJob_ && !printJob_->Add(page)) {
            err << "omenary-cli coin: the printer did not take page " << number << "\n";
            return false;
        }
        return true;
    }

    bool Finish(std::ostream& err) {
        if (pdfPages_ && !(pdfPages_->End() && pdfFile_->commit()))
            return Fail(err, *options_.pdf, "could not be written");
        if (printJob_) {
            if (const std::string failure = printJob_->Finish(); !failure.empty()) {
                err << "omenary-cli coin: " << failure << "\n";
                return false;
            }
        }
        done_ = true;
        return true;
    }

    ~PageOutputs() {
        if (done_) return;
        std::error_code error;
        for (const fs::path& file : pngs_)
            fs::remove(file, error);
        if (madePngFolder_) fs::remove(*options_.png, error);
    }

    PageOutputs(const PageOutputs&) = delete;
    PageOutputs& operator=(const PageOutputs&) = delete;

  private:
    std::string PngName(std::size_t number) const {
        const std::size_t digits = std::max<std::size_t>(4, std::to_string(count_).size());
        std::string text = std::to_string(number);
        return "envelope-" + std::string(digits - text.size(), '0') + text + ".png";
    }

    static bool Fail(std::ostream& err, const fs::path& file, std::string_view what) {
        err << "omenary-cli coin: " << file.string() << ": " << what << "\n";
        return false;
    }

    const RunOptions& options_;
    std::size_t count_;
    std::unique_ptr<QSaveFile> pdfFile_;
    std::unique_ptr<QPdfWriter> pdfWriter_;
    std::unique_ptr<qt::PageSequence> pdfPages_;
    std::unique_ptr<PrintJob> printJob_;
    std::vector<fs::path> pngs_;
    bool madePngFolder_ = false;
    bool done_ = false;
};

// "12/1000" over itself on a terminal; nothing where standard error is a file or a pipe.
class Progress {
  public:
    explicit Progress(std::size_t count) : count_(count), shown_(isatty(STDERR_FILENO) == 1) {}
    void Step(std::size_t done) const {
        if (shown_) std::fprintf(stderr, "\romenary-cli coin: envelope %zu/%zu", done, count_);
        if (shown_ && done == count_) std::fputs("\n", stderr);
    }

  private:
    std::size_t count_;
    bool shown_;
};

}  // namespace

bool IsListRun(const std::vector<std::string>& args) {
    return std::find(args.begin(), args.end(), "--list") != args.end();
}

int RunCoinListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed =
        ParseOmenaryArguments(kCoinCommand, args, kListOptions, {"--list", "--start"}, kListUsage, err);
    if (!parsed) return kExitRefused;
    const auto options = ParseRunOptions(kCoinCommand, *parsed, err);
    if (!options) return kExitRefused;
    const fs::path listFile = parsed->Value("--list");
    const auto bytes = ReadFileBytes(listFile, kLargestList);
    if (!bytes) {
        err << "omenary-cli coin: the list " << listFile.string() << " cannot be read\n";
        return kExitFailed;
    }

    ProgramRun program(kCoinCommand, *options);
    if (const int status = program.Start(err); status != kExitOk) return status;
    CommandLineView view;
    const coin::SearchContext search = program.Logic().CoinSearch(view);
    if (search.index == nullptr) return program.Failed(err);
    const qt::QtTextMetrics metrics;
    const coin::GiverList list =
        coin::ReadGiverList(*bytes, coin::CalendarYearPillars(*search.index, options->data, true), &metrics);
    if (!list.problems.empty()) {
        for (const coin::ListProblem& problem : list.problems)
            err << "omenary-cli coin: " << listFile.string() << " " << coin::ProblemText(problem) << "\n";
        return kExitRefused;
    }
    if (const int status = SetCoinStart(*parsed, program, search, err); status != kExitOk) return status;

    // The envelope of a pair is the same for every giver of it but the name: the search runs once
    // per pair (sixty at most however long the list), and all of them before any output, so a
    // picture or calendar file that fails leaves nothing written.
    struct Envelope {
        report::Page page;
        NamedValues values;
    };
    std::map<std::pair<int, int>, Envelope> envelopes;
    for (const coin::GiverRow& row : list.rows) {
        if (envelopes.contains({row.stem, row.branch})) continue;
        report::Page page = coin::EnvelopePage();
        if (FillCoinEnvelope(program, search, row.stem, row.branch, page, err) != kExitOk) return kExitFailed;
        envelopes.emplace(std::pair{row.stem, row.branch},
                          Envelope{std::move(page), program.Values(shell::Tab::Coin)});
    }

    PageOutputs outputs(*options, list.rows.size());
    if (!outputs.Open(err)) return kExitFailed;
    const Progress progress(list.rows.size());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const coin::GiverRow& row = list.rows[i];
        const Envelope& envelope = envelopes.at({row.stem, row.branch});
        report::Page page = envelope.page;
        coin::AddRecipientName(page, row.name, metrics);
        if (!outputs.Add(page, i + 1, err)) return kExitFailed;
        std::ostringstream json;
        program.WriteJson(envelope.values, page, json);
        out << OneLine(json.str());
        progress.Step(i + 1);
    }
    return outputs.Finish(err) ? kExitOk : kExitFailed;
}

}  // namespace omenary::cli
