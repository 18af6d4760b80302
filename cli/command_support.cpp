#include "cli/command_support.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>

#include "cli/cli.h"
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
