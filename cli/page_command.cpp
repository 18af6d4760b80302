// omenary-cli page: renders a report page as it stands before any fill, to look at its layout.
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/arguments.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "core/general/general_page.h"
#include "qt/platform/fonts.h"
#include "qt/platform/picture_files.h"
#include "qt/platform/qt_text.h"
#include "qt/report/renderer.h"

namespace omenary::cli {

namespace {

struct PageArguments {
    std::string page;
    std::filesystem::path data = ".";
    std::optional<std::filesystem::path> pdf;
    std::optional<std::filesystem::path> png;
};

// Refuses with a message naming the argument; the parsed arguments otherwise.
std::optional<PageArguments> Parse(const std::vector<std::string>& args, std::ostream& err) {
    PageArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--data" || arg == "--pdf" || arg == "--png") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "omenary-cli page: " << arg << " needs a "
                    << (arg == "--data" ? "folder" : "file name") << "\n";
                return std::nullopt;
            }
            const std::filesystem::path value = args[++i];
            if (arg == "--data")
                parsed.data = value;
            else if (arg == "--pdf")
                parsed.pdf = value;
            else
                parsed.png = value;
        } else if (parsed.page.empty() && !arg.starts_with("--")) {
            parsed.page = arg;
        } else {
            err << "omenary-cli page: unknown argument '" << arg
                << "'; allowed: general|marriage|coin, --data DIR, --pdf FILE, --png FILE\n";
            return std::nullopt;
        }
    }
    if (parsed.page != "general") {
        if (parsed.page == "marriage" || parsed.page == "coin")
            err << "omenary-cli page: the " << parsed.page << " page is not available in this build yet\n";
        else
            err << "omenary-cli page: page '" << parsed.page
                << "' is not known; allowed: general, marriage, coin\n";
        return std::nullopt;
    }
    if (!parsed.pdf && !parsed.png) {
        err << "omenary-cli page: nothing to write; give --pdf FILE and/or --png FILE\n";
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

int RunPageCommand(const std::vector<std::string>& args, std::ostream& /*out*/, std::ostream& err) {
    const auto parsed = Parse(args, err);
    if (!parsed) return kExitRefused;
    const auto application = EnsureGuiApplication();

    report::Page page = general::GeneralPage();
    try {
        page.LoadDesignPictures(qt::QtPictureFiles(parsed->data));
    } catch (const report::PictureNotLoaded& failure) {
        err << "omenary-cli page: " << failure.what() << "\n";
        return kExitFailed;
    }
    return WritePageFiles(page, "page", parsed->pdf, parsed->png, err) ? kExitOk : kExitFailed;
}

}  // namespace omenary::cli
