#include "cli/command_support.h"

#include <QGuiApplication>

#include <stdlib.h>

#include <algorithm>
#include <cstdlib>

#include "cli/cli.h"
#include "cli/json.h"
#include "qt/platform/fonts.h"
#include "qt/platform/qt_text.h"
#include "qt/report/renderer.h"

namespace omenary::cli {

std::optional<Arguments> Arguments::Parse(std::string_view command, const std::vector<std::string>& args,
                                          std::span<const OptionSpec> options, std::ostream& err) {
    std::string allowed;
    for (const OptionSpec& option : options)
        allowed += (allowed.empty() ? "" : ", ") + std::string(option.name);
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            parsed.words_.push_back(arg);
            continue;
        }
        const auto known = std::find_if(options.begin(), options.end(),
                                        [&](const OptionSpec& option) { return option.name == arg; });
        if (known == options.end()) {
            Refuse(err, command, "argument", arg, allowed);
            return std::nullopt;
        }
        std::string value;
        if (known->takesValue) {
            if (i + 1 >= args.size()) {
                Refuse(err, command, arg, "", "a value after it");
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!parsed.given_.emplace(arg, value).second) {
            Refuse(err, command, arg, value, "one value only");
            return std::nullopt;
        }
    }
    return parsed;
}

std::string Arguments::Value(std::string_view option, std::string_view fallback) const {
    const auto found = given_.find(option);
    return found == given_.end() ? std::string(fallback) : found->second;
}

std::optional<RunOptions> ParseRunOptions(std::string_view command, const Arguments& parsed,
                                          std::ostream& err) {
    std::optional<platform::Date> today = platform::SystemClock().Today();
    if (parsed.Has("--today")) today = platform::ParseIsoDate(parsed.Value("--today"));
    if (!today) {
        Refuse(err, command, "--today", parsed.Value("--today"), "a real date YYYY-MM-DD");
        return std::nullopt;
    }
    RunOptions options{*today, parsed.Value("--data", "."), std::nullopt, std::nullopt};
    if (parsed.Has("--pdf")) options.pdf = parsed.Value("--pdf");
    if (parsed.Has("--png")) options.png = parsed.Value("--png");
    return options;
}

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "omenary-cli-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    if (!path_.empty()) std::filesystem::remove_all(path_, error);
}

ProgramRun::ProgramRun(const RunOptions& options)
    : clock_(options.today), logic_({messages_, clock_, options.data, settings_.Path()}) {}

bool ProgramRun::Start(std::string_view command, std::ostream& err) {
    if (logic_.FormActivate() == shell::Activation::Done) return true;
    err << "omenary-cli " << command << ": " << logic_.StartFailureReason() << "\n";
    return false;
}

void PrintRunJson(std::ostream& out, ProgramRun& run,
                  const std::function<void(const ValueVisitor&)>& tabValues, const report::Page& page) {
    NamedValues named;
    const ValueVisitor collect = [&](std::string_view name, const std::string& value) {
        named.emplace_back(name, value);
    };
    shell::ForEachValue(run.Logic().shell, collect);
    tabValues(collect);
    WriteReportJson(out, named, page, qt::QtTextMetrics(), run.Messages().Texts());
}

std::string AllowedYears(const std::vector<std::string>& yearItems) {
    if (yearItems.empty()) return "none: the calendar lists no year";
    return "a year of the calendar's lists, " + yearItems.front() + " ... " + yearItems.back();
}

int Refuse(std::ostream& err, std::string_view command, std::string_view option, std::string_view given,
           std::string_view allowed) {
    err << "omenary-cli " << command << ": " << option << " '" << given << "' refused; allowed: " << allowed
        << "\n";
    return kExitRefused;
}

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return nullptr;
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "omenary-cli";
    static char* argv[] = {name, nullptr};
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    qt::InstallFontSubstitutions();
    return application;
}

bool WritePageFiles(const report::Page& page, std::string_view command,
                    const std::optional<std::filesystem::path>& pdf,
                    const std::optional<std::filesystem::path>& png, std::ostream& err) {
    QString error;
    if (pdf && !qt::WritePdf(page, *pdf, &error)) {
        err << "omenary-cli " << command << ": cannot write " << qt::ToStdString(error) << "\n";
        return false;
    }
    if (png && !qt::WritePng(page, *png, &error)) {
        err << "omenary-cli " << command << ": cannot write " << qt::ToStdString(error) << "\n";
        if (pdf) std::filesystem::remove(*pdf);
        return false;
    }
    return true;
}

}  // namespace omenary::cli
