#include "cli/command_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibrary>

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "cli/cli.h"
#include "cli/json.h"
#include "cli/print_module.h"
#include "core/astro/cycles.h"
#include "core/platform/file_set.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_text.h"
#include "qt/report/renderer.h"

namespace omenary::cli {

namespace {

QtMessageHandler defaultHandler = nullptr;

PageSink* currentSink = nullptr;

// Qt looks for a runtime folder while it starts even where no display needs one (a root shell, a
// cron job); that it defaults one is no concern of a command-line run, whose standard error is for
// what went wrong.
void QuietAboutTheRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (defaultHandler != nullptr) defaultHandler(type, context, text);
}

// Loads the printing module (beside the binary in the build tree, in the library folder once
// installed) and finds the function; null, with what went wrong in failure, when it cannot.
QFunctionPointer PrintModuleFunction(const char* function, std::string& failure) {
    const QDir bin(QCoreApplication::applicationDirPath());
    const QString folders[] = {bin.path(),
                               QDir::cleanPath(bin.filePath(QStringLiteral(OMENARY_PRINT_MODULE_FROM_BIN)))};
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(QString::fromUtf8(kPrintModuleName));
        if (!QFileInfo::exists(file)) continue;
        QLibrary module(file);
        const QFunctionPointer found = module.resolve(function);
        if (found == nullptr) failure = "printing is not available: " + qt::ToStdString(module.errorString());
        return found;
    }
    failure = "printing is not available: " + std::string(kPrintModuleName) + " is in neither " +
              qt::ToStdString(folders[0]) + " nor " + qt::ToStdString(folders[1]);
    return nullptr;
}

// Prints the page; empty on success, else what went wrong.
std::string PrintThroughQueue(const report::Page& page, const std::string& printer,
                              const QString& documentName) {
    std::string failure;
    const auto print = reinterpret_cast<PrintFunction>(PrintModuleFunction(kPrintFunctionName, failure));
    if (print != nullptr) print(page, printer, documentName, failure);
    return failure;
}

}  // namespace

void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    if (defaultHandler == nullptr) defaultHandler = qInstallMessageHandler(QuietAboutTheRuntimeFolder);
    // Off screen whatever the session exports: a desktop's xcb or wayland without a display would
    // abort the run.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "omenary-cli";
    static char* argv[] = {name, nullptr};
    // Pages alone need no desktop font rules; the system's configuration stays if this fails.
    qt::UsePageFontConfiguration();
    // Lives as long as the process: omenary-cli ends with _Exit once its output is out, and tearing
    // down the font database and plugins would only cost every run time.
    new QGuiApplication(argc, argv);
    qt::InstallFontSubstitutions();
}

std::unique_ptr<PrintJob> OpenPrintJob(const std::string& printer, std::string_view documentName,
                                       std::string& failure) {
    const auto open = reinterpret_cast<OpenJobFunction>(PrintModuleFunction(kOpenJobFunctionName, failure));
    return std::unique_ptr<PrintJob>(open != nullptr ? open(printer, qt::ToQString(documentName), failure)
                                                     : nullptr);
}

bool RefuseBadNames(std::string_view command, const Arguments& given, std::ostream& err) {
    for (const std::string_view option : {"--data", "--pdf", "--png"}) {
        if (given.Has(option) && given.Value(option).empty()) {
            Refuse(err, command, option, "", option == "--data" ? "a folder" : "a file name");
            return false;
        }
    }
    // Both pages into one file would leave only the last; a device such as /dev/null loses nothing.
    std::error_code unknown;
    if (given.Has("--pdf") && given.Has("--png") &&
        platform::SameFile(given.Value("--pdf"), given.Value("--png")) &&
        !std::filesystem::is_character_file(given.Value("--png"), unknown)) {
        Refuse(err, command, "--png", given.Value("--png"),
               "a file other than --pdf's " + given.Value("--pdf"));
        return false;
    }
    return true;
}

bool WritePageFiles(const report::Page& page, std::string_view command,
                    const std::optional<std::filesystem::path>& pdf,
                    const std::optional<std::filesystem::path>& png, std::ostream& err) {
    QString error;
    if (qt::WritePageFiles(page, pdf, png, &error)) return true;
    err << "omenary-cli " << command << ": " << qt::ToStdString(error) << "\n";
    return false;
}

std::optional<std::string> BranchItemOf(const std::string& code, std::optional<std::string_view> noneItem) {
    if (noneItem && code == "none") return std::string(*noneItem);
    const std::string item = astro::BranchListItem(code);
    return item.empty() ? std::nullopt : std::optional<std::string>(item);
}

std::string AllowedYears(const std::vector<std::string>& items, std::string_view more) {
    if (items.empty()) return "none: the calendar lists no year";
    return "a year of the calendar's lists, " + items.front() + " ... " + items.back() + std::string(more);
}

std::string WithCodes() {
    return ", that has a stem and a branch (" + std::to_string(astro::kFirstYearWithCodes) + " or later)";
}

std::vector<OptionSpec> WithRunOptions(std::span<const OptionSpec> own) {
    std::vector<OptionSpec> options(own.begin(), own.end());
    options.insert(options.end(), std::begin(kRunOptions), std::end(kRunOptions));
    return options;
}

std::optional<Arguments> ParseOmenaryArguments(std::string_view command, const std::vector<std::string>& args,
                                               std::span<const OptionSpec> own,
                                               std::initializer_list<std::string_view> required,
                                               std::string_view usage, std::ostream& err) {
    auto parsed = Arguments::Parse(command, args, WithRunOptions(own), err);
    if (!parsed) return std::nullopt;
    if (!parsed->Words().empty()) {
        Refuse(err, command, "argument", parsed->Words().front(), usage);
        return std::nullopt;
    }
    for (const std::string_view option : required) {
        if (!parsed->Has(option)) {
            RefuseMissing(err, command, option, usage);
            return std::nullopt;
        }
    }
    return parsed;
}

std::optional<RunOptions> ParseRunOptions(std::string_view command, const Arguments& given,
                                          std::ostream& err) {
    RunOptions options;
    std::optional<platform::Date> today = platform::SystemClock().Today();
    if (given.Has("--today")) today = platform::ParseIsoDate(given.Value("--today"));
    if (!today) {
        Refuse(err, command, "--today", given.Value("--today"), "a real date YYYY-MM-DD");
        return std::nullopt;
    }
    // The first start shows the glyphs of this year's pair, which years before it have none of.
    if (platform::BuddhistEraYear(today->year) < astro::kFirstYearWithCodes) {
        Refuse(err, command, "--today", given.Value("--today"),
               "a real date YYYY-MM-DD from BE " + std::to_string(astro::kFirstYearWithCodes) + " (" +
                   std::to_string(astro::kFirstYearWithCodes - 543) +
                   ") on, the years the program has codes for");
        return std::nullopt;
    }
    options.today = *today;
    if (!RefuseBadNames(command, given, err)) return std::nullopt;
    options.data = given.Value("--data", ".");
    if (given.Has("--pdf")) options.pdf = given.Value("--pdf");
    if (given.Has("--png")) options.png = given.Value("--png");
    if (given.Has("--print")) options.print = given.Value("--print");
    return options;
}

ProgramRun::ProgramRun(std::string_view command, const RunOptions& options)
    : command_(command),
      options_(options),
      clock_(options.today),
      pictures_(options.data),
      // A command-line run is a fresh program on a fresh system: its settings live in memory and
      // the desktop program's settings are never touched. It is over before anyone could rewrite
      // its data files, so it maps them.
      logic_({messages_, clock_, options.data, {}, pictures_, true, true}) {
    EnsureGuiApplication();
}

ProgramRun::~ProgramRun() = default;

int ProgramRun::Start(std::ostream& err) {
    if (logic_.FormActivate() == shell::Activation::StartFailed) {
        err << "omenary-cli " << command_ << ": " << logic_.StartFailureReason() << "\n";
        return kExitFailed;
    }
    // The window goes on without a glyph the first start could not show; a command's values would lack it.
    if (!messages_.Entries().empty()) return Failed(err);
    return kExitOk;
}

int ProgramRun::Failed(std::ostream& err) const {
    const std::vector<std::string> texts = messages_.Texts();
    err << "omenary-cli " << command_ << ": " << (texts.empty() ? std::string("failed") : texts.back())
        << "\n";
    return kExitFailed;
}

PageSinkScope::PageSinkScope(PageSink& sink) {
    currentSink = &sink;
}

PageSinkScope::~PageSinkScope() {
    currentSink = nullptr;
}

int ProgramRun::Finish(const report::Page& page, shell::Tab tab, std::ostream& out, std::ostream& err) const {
    if (currentSink != nullptr) {
        return currentSink->Take(
            page,
            [&] {
                std::ostringstream json;
                WriteJson(Values(tab), page, json);
                return json.str();
            },
            err);
    }
    if (!WritePageFiles(page, command_, options_.pdf, options_.png, err)) return kExitFailed;
    if (options_.print) {
        const std::string failure = PrintThroughQueue(page, *options_.print, qt::ToQString(command_));
        if (!failure.empty()) {
            err << "omenary-cli " << command_ << ": " << failure << "\n";
            return kExitFailed;
        }
    }
    WriteJson(Values(tab), page, out);
    return kExitOk;
}

NamedValues ProgramRun::Values(shell::Tab tab) const {
    NamedValues values;
    shell::ForEachValue(logic_, tab, [&values](std::string_view name, const std::string& value) {
        values.emplace_back(name, value);
    });
    return values;
}

void ProgramRun::WriteJson(const NamedValues& values, const report::Page& page, std::ostream& out) const {
    WriteReportJson(out, values, page, qt::QtTextMetrics(), messages_.Texts());
}

}  // namespace omenary::cli
