// omenary-cli page: renders a report page as it stands before any fill, to look at its layout.
#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "core/coin/envelope_page.h"
#include "core/general/general_page.h"
#include "core/marriage/marriage_page.h"
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

constexpr OptionSpec kOptions[] = {{"--data"}, {"--pdf"}, {"--png"}};

using PageBuilder = report::Page (*)();

// The page a name stands for, as designed; null for a name that is not a page.
PageBuilder PageNamed(std::string_view name) {
    constexpr std::pair<std::string_view, PageBuilder> kPages[] = {
        { "general",   general::GeneralPage},
        {"marriage", marriage::MarriagePage},
        {    "coin",     coin::EnvelopePage},
    };
    for (const auto& [pageName, build] : kPages)
        if (pageName == name) return build;
    return nullptr;
}

// Refuses with a message naming the argument; the parsed arguments otherwise.
std::optional<PageArguments> Parse(const std::vector<std::string>& args, std::ostream& err) {
    const auto given = Arguments::Parse("page", args, kOptions, err);
    if (!given) return std::nullopt;
    if (given->Words().size() > 1) {
        Refuse(err, "page", "argument", given->Words()[1],
               "general|marriage|coin, --data DIR, --pdf FILE, --png FILE");
        return std::nullopt;
    }
    if (!RefuseBadNames("page", *given, err)) return std::nullopt;
    PageArguments parsed;
    parsed.page = given->Words().empty() ? std::string{} : given->Words().front();
    parsed.data = given->Value("--data", ".");
    if (given->Has("--pdf")) parsed.pdf = given->Value("--pdf");
    if (given->Has("--png")) parsed.png = given->Value("--png");
    if (PageNamed(parsed.page) == nullptr) {
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
    EnsureGuiApplication();

    report::Page page = PageNamed(parsed->page)();
    try {
        page.LoadDesignPictures(qt::QtPictureFiles(parsed->data));
    } catch (const report::PictureNotLoaded& failure) {
        err << "omenary-cli page: " << failure.what() << "\n";
        return kExitFailed;
    }
    return WritePageFiles(page, "page", parsed->pdf, parsed->png, err) ? kExitOk : kExitFailed;
}

}  // namespace omenary::cli
