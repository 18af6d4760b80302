// omenary-cli coin --list FILE: one envelope per giver of a spreadsheet's list, in one program run.
// The list is checked whole before anything is drawn; the pages are drawn one at a time into one
// PDF, numbered PNGs and one print job, so memory stays flat however long the list is.
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <functional>
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
#include "qt/report/pdf_pages.h"
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
constexpr OptionSpec kPageListOptions[] = {
    {"--list", true},
};
constexpr std::string_view kPageListUsage =
    "--list FILE [--today DATE] [--data DIR] [--pdf FILE] [--png DIR] [--print [PRINTER]]";

// The list file's bytes; nothing, said on err, when it cannot be read.
std::optional<std::string> ReadList(std::string_view command, const fs::path& file, std::ostream& err) {
    auto bytes = coin::ReadListFile(file);
    if (!bytes) err << "omenary-cli " << command << ": the list " << file.string() << " cannot be read\n";
    return bytes;
}

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

// Where the pages go: a PDF written whole or not at all, numbered PNGs of which those that are new
// are removed again when anything fails, and one print job sent only when every page was drawn.
class PageOutputs {
  public:
    PageOutputs(std::string_view command, const RunOptions& options, std::size_t count)
        : command_(command), options_(options), count_(count) {}

    bool Open(std::ostream& err) {
        if (options_.pdf) {
            pdfFile_ = std::make_unique<QSaveFile>(qt::ToQString(options_.pdf->string()));
            if (!pdfFile_->open(QIODevice::WriteOnly)) return Fail(err, *options_.pdf, "cannot be written");
            pdfPages_ = std::make_unique<qt::PdfPages>(*pdfFile_);
        }
        if (options_.png) {
            std::error_code error;
            madePngFolder_ = fs::create_directories(*options_.png, error);
            if (error || !fs::is_directory(*options_.png, error))
                return Fail(err, *options_.png, "is not a folder that can be written");
        }
        if (options_.print) {
            std::string failure;
            printJob_ = OpenPrintJob(*options_.print, command_, failure);
            if (!printJob_) {
                err << "omenary-cli " << command_ << ": " << failure << "\n";
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
            std::error_code unknown;  // a name that cannot be looked at counts as one that stood
            const bool stood = fs::symlink_status(file, unknown).type() != fs::file_type::not_found;
            QString error;
            if (!qt::WritePng(page, file, &error)) {
                err << "omenary-cli " << command_ << ": " << qt::ToStdString(error) << "\n";
                return false;
            }
            // One that replaced a file of an earlier run stays: removing it would lose both.
            if (!stood) madePngs_.push_back(file);
        }
        if (printJob_ && !printJob_->Add(page)) {
            err << "omenary-cli " << command_ << ": the printer did not take page " << number << "\n";
            return false;
        }
        return true;
    }

    bool Finish(std::ostream& err) {
        if (pdfPages_ && !(pdfPages_->End() && pdfFile_->commit()))
            return Fail(err, *options_.pdf, "could not be written");
        if (printJob_) {
            if (const std::string failure = printJob_->Finish(); !failure.empty()) {
                err << "omenary-cli " << command_ << ": " << failure << "\n";
                return false;
            }
        }
        done_ = true;
        return true;
    }

    ~PageOutputs() {
        if (done_) return;
        std::error_code error;
        for (const fs::path& file : madePngs_)
            fs::remove(file, error);
        if (madePngFolder_) fs::remove(*options_.png, error);
    }

    PageOutputs(const PageOutputs&) = delete;
    PageOutputs& operator=(const PageOutputs&) = delete;

  private:
    std::string PngName(std::size_t number) const {
        const std::size_t digits = std::max<std::size_t>(4, std::to_string(count_).size());
        std::string text = std::to_string(number);
        const std::string kind = command_ == kCoinCommand ? "envelope-" : "page-";
        return kind + std::string(digits - text.size(), '0') + text + ".png";
    }

    bool Fail(std::ostream& err, const fs::path& file, std::string_view what) const {
        err << "omenary-cli " << command_ << ": " << file.string() << ": " << what << "\n";
        return false;
    }

    std::string command_;
    const RunOptions& options_;
    std::size_t count_;
    std::unique_ptr<QSaveFile> pdfFile_;
    std::unique_ptr<qt::PdfPages> pdfPages_;
    std::unique_ptr<PrintJob> printJob_;
    std::vector<fs::path> madePngs_;  // the PNGs this run wrote where none stood
    bool madePngFolder_ = false;
    bool done_ = false;
};

// "12/1000" over itself on a terminal; nothing where standard error is a file or a pipe.
class Progress {
  public:
    Progress(std::string_view command, std::size_t count)
        : command_(command), count_(count), shown_(isatty(STDERR_FILENO) == 1) {}
    void Step(std::size_t done) const {
        if (shown_) std::fprintf(stderr, "\romenary-cli %s: page %zu/%zu", command_.c_str(), done, count_);
        if (shown_ && done == count_) std::fputs("\n", stderr);
    }

  private:
    std::string command_;
    std::size_t count_;
    bool shown_;
};

// A line of a JSON-lines list as the command's arguments: each key an option without its "--", a
// string or number its value, true a switch given, false or null left out. The outputs, the data
// folder and the list itself belong to the whole list. Nothing, with what is wrong, for any other line.
std::optional<std::vector<std::string>> LineArguments(std::string_view line, std::string& problem) {
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray(line.data(), static_cast<qsizetype>(line.size())), &error);
    if (!document.isObject()) {
        problem =
            "not a JSON object" +
            (error.error != QJsonParseError::NoError ? ": " + qt::ToStdString(error.errorString()) : "");
        return std::nullopt;
    }
    std::vector<std::string> args;
    const QJsonObject object = document.object();
    for (auto entry = object.begin(); entry != object.end(); ++entry) {
        const std::string key = qt::ToStdString(entry.key());
        for (const char* whole : {"list", "data", "pdf", "png", "print"}) {
            if (key == whole) {
                problem = "'" + key + "' belongs to the command line, not to a line of the list";
                return std::nullopt;
            }
        }
        const QJsonValue value = entry.value();
        if (value.isNull() || (value.isBool() && !value.toBool())) continue;
        args.push_back("--" + key);
        if (value.isString()) {
            args.push_back(qt::ToStdString(value.toString()));
        } else if (value.isDouble()) {
            args.push_back(qt::ToStdString(QString::number(value.toDouble(), 'g', 17)));
        } else if (!value.isBool()) {
            problem = "the value of '" + key + "' is neither text, a number nor true/false";
            return std::nullopt;
        }
    }
    return args;
}

// The pages of the runs while the list is checked: that a run got as far as its page is all the
// check asks, so its JSON is never made.
class CheckedPages final : public PageSink {
  public:
    int Take(const report::Page& /*page*/, const std::function<std::string()>& /*json*/,
             std::ostream& /*err*/) override {
        return kExitOk;
    }
};

// The page of one line's run, drawn into the outputs as page number, its JSON on one line of out.
class DrawnPage final : public PageSink {
  public:
    DrawnPage(PageOutputs& outputs, std::size_t number, std::ostream& out)
        : outputs_(outputs), number_(number), out_(out) {}
    int Take(const report::Page& page, const std::function<std::string()>& json, std::ostream& err) override {
        if (!outputs_.Add(page, number_, err)) return kExitFailed;
        out_ << OneLine(json());
        return kExitOk;
    }

  private:
    PageOutputs& outputs_;
    std::size_t number_;
    std::ostream& out_;
};

}  // namespace

int RunPageListCommand(std::string_view command, ListedCommand run, const std::vector<std::string>& args,
                       std::ostream& out, std::ostream& err) {
    const auto parsed = ParseOmenaryArguments(command, args, kPageListOptions, {}, kPageListUsage, err);
    if (!parsed) return kExitRefused;
    const auto given = ParseRunOptions(command, *parsed, err);
    if (!given) return kExitRefused;
    const fs::path listFile = parsed->Value("--list");
    auto bytes = ReadList(command, listFile, err);
    if (!bytes) return kExitFailed;

    // Every line checked by a whole run of the command, before anything is written.
    std::vector<std::vector<std::string>> lines;  // each checked line's arguments
    std::vector<std::string> problems;
    {
        CheckedPages checked;
        const PageSinkScope scope(checked);
        const TextLines text{std::move(*bytes)};
        for (std::size_t i = 0; i < text.Count(); ++i) {
            const std::string_view line = text.Line(i);
            if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
            const int number = static_cast<int>(i) + 1;
            std::string problem;
            auto lineArgs = LineArguments(line, problem);
            if (lineArgs) {
                lineArgs->insert(lineArgs->end(), {"--data", given->data.string()});
                if (parsed->Has("--today") &&
                    std::find(lineArgs->begin(), lineArgs->end(), "--today") == lineArgs->end())
                    lineArgs->insert(lineArgs->end(), {"--today", parsed->Value("--today")});
                std::ostringstream discarded, said;
                const int status = run(*lineArgs, discarded, said);
                if (status == kExitFailed) {
                    err << "line " << number << ": " << said.str();
                    return kExitFailed;
                }
                if (status != kExitOk) {
                    // The run's refusal, without its own "omenary-cli COMMAND: " and line end.
                    problem = said.str().substr(0, said.str().find_last_not_of('\n') + 1);
                    const std::string prefix = "omenary-cli " + std::string(command) + ": ";
                    if (problem.starts_with(prefix)) problem.erase(0, prefix.size());
                }
            }
            if (!problem.empty()) {
                problems.push_back("omenary-cli " + std::string(command) + ": " + listFile.string() +
                                   " line " + std::to_string(number) + ": " + problem);
            } else {
                lines.push_back(std::move(*lineArgs));
            }
        }
    }
    if (lines.empty() && problems.empty())
        problems.push_back("omenary-cli " + std::string(command) + ": " + listFile.string() +
                           " holds no lines");
    if (!problems.empty()) {
        for (const std::string& problem : problems)
            err << problem << "\n";
        return kExitRefused;
    }

    PageOutputs outputs(command, *given, lines.size());
    if (!outputs.Open(err)) return kExitFailed;
    const Progress progress(command, lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        DrawnPage drawn(outputs, i + 1, out);
        const PageSinkScope scope(drawn);
        std::ostringstream discarded;
        if (run(lines[i], discarded, err) != kExitOk) return kExitFailed;
        progress.Step(i + 1);
    }
    return outputs.Finish(err) ? kExitOk : kExitFailed;
}

bool IsListRun(const std::vector<std::string>& args, std::span<const OptionSpec> own) {
    std::vector<OptionSpec> options = WithRunOptions(own);
    options.insert(options.end(), std::begin(kPageListOptions), std::end(kPageListOptions));
    return Arguments::Scan(args, options).Has("--list");
}

int RunCoinListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed =
        ParseOmenaryArguments(kCoinCommand, args, kListOptions, {"--list", "--start"}, kListUsage, err);
    if (!parsed) return kExitRefused;
    const auto options = ParseRunOptions(kCoinCommand, *parsed, err);
    if (!options) return kExitRefused;
    const fs::path listFile = parsed->Value("--list");
    const auto bytes = ReadList(kCoinCommand, listFile, err);
    if (!bytes) return kExitFailed;

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

    PageOutputs outputs(kCoinCommand, *options, list.rows.size());
    if (!outputs.Open(err)) return kExitFailed;
    const Progress progress(kCoinCommand, list.rows.size());
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
