// omenary-cli general: one run of the program's general omenary, from its first start to the filled
// page, through the same handlers the window calls.
#include <stdlib.h>

#include <QGuiApplication>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/cli.h"
#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "core/astro/cycles.h"
#include "core/common/text.h"
#include "core/general/general_fill.h"
#include "core/general/general_page.h"
#include "core/general/tab_handlers.h"
#include "core/shell/omenary.h"
#include "qt/platform/picture_files.h"
#include "qt/report/renderer.h"

namespace omenary::cli {

namespace {

namespace fs = std::filesystem;
using general::Aspect;
using general::Leave;

constexpr std::string_view kCommand = "general";
constexpr OptionSpec kOptions[] = {{"--back"}, {"--prominent"}, {"--act"},  {"--person1"}, {"--person2"},
                                   {"--year"}, {"--today"},     {"--data"}, {"--pdf"},     {"--png"}};
constexpr std::string_view kUsage =
    "general --back DEG [--prominent DEG] [--act DEG] --person1 N [--person2 N|none] --year BE "
    "[--today DATE] [--data DIR] [--pdf FILE] [--png FILE]";
constexpr std::string_view kAllowedDegrees =
    "a degree 0 ... 359.9 in steps of 0.1, written as the window takes it (0, 45, 359.9; not 45.0, 045 or "
    "360)";

// A settings folder of its own for the run: a command-line run is a fresh program on a fresh
// system, and never touches the desktop program's settings.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (fs::temp_directory_path() / "omenary-cli-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code error;
        if (!path_.empty()) fs::remove_all(path_, error);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& Path() const { return path_; }

  private:
    fs::path path_;
};

// The page's output is the files the command writes; nothing is shown or printed.
class CommandLineView final : public general::CalculationView {
  public:
    void ShowHourglass() override {}
    void RestoreCursor() override {}
    void Output(const report::Page& /*page*/, bool /*preview*/) override {}
};

// The list item a branch code selects ("3" -> "03 = ขาล"); for person 2 also "none".
std::optional<std::string> PersonItem(const std::string& code, bool noneAllowed) {
    if (noneAllowed && code == "none") return std::string(general::kNoPerson);
    const std::string item = astro::BranchListItem(code);
    return item.empty() ? std::nullopt : std::optional<std::string>(item);
}

}  // namespace

int RunGeneralCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto parsed = Arguments::Parse(kCommand, args, kOptions, err);
    if (!parsed) return kExitRefused;
    if (!parsed->Words().empty()) return Refuse(err, kCommand, "argument", parsed->Words().front(), kUsage);
    for (const char* required : {"--back", "--person1", "--year"})
        if (!parsed->Has(required))
            return Refuse(err, kCommand, required, "", std::string("a value; usage: ") + std::string(kUsage));

    const auto person1 = PersonItem(parsed->Value("--person1"), false);
    if (!person1)
        return Refuse(err, kCommand, "--person1", parsed->Value("--person1"), "a branch code 1 ... 12");
    const auto person2 = PersonItem(parsed->Value("--person2", "none"), true);
    if (!person2)
        return Refuse(err, kCommand, "--person2", parsed->Value("--person2"),
                      "a branch code 1 ... 12 or none");
    std::optional<platform::Date> today = platform::SystemClock().Today();
    if (parsed->Has("--today")) today = platform::ParseIsoDate(parsed->Value("--today"));
    if (!today) return Refuse(err, kCommand, "--today", parsed->Value("--today"), "a real date YYYY-MM-DD");
    const fs::path data = parsed->Value("--data", ".");
    const auto pdf = parsed->Has("--pdf") ? std::optional<fs::path>(parsed->Value("--pdf")) : std::nullopt;
    const auto png = parsed->Has("--png") ? std::optional<fs::path>(parsed->Value("--png")) : std::nullopt;

    // First start.
    const TemporaryFolder settings;
    platform::RecordedMessages messages;
    const platform::FixedClock clock(*today);
    shell::Omenary logic({messages, clock, data, settings.Path()});
    if (logic.FormActivate() == shell::Activation::StartFailed) {
        err << "omenary-cli general: " << logic.StartFailureReason() << "\n";
        return kExitFailed;
    }

    // The inputs, each through its widget's own validation.
    general::GeneralValues& values = logic.general;
    values.ComboBoxBudhaYearProcess = parsed->Value("--year");
    if (general::YearOfWorkUpdate(values, logic.shell.yearItems) == Leave::Refused) {
        const auto& items = logic.shell.yearItems;
        return Refuse(err, kCommand, "--year", parsed->Value("--year"),
                      items.empty() ? std::string("none: the calendar lists no year")
                                    : "a year of the calendar's lists, " + items.front() + " ... " +
                                          items.back() + ", that has a stem and a branch (2443 or later)");
    }
    const std::pair<Aspect, const char*> directions[] = {
        {Aspect::BackOfHome,      "--back"},
        { Aspect::Prominent, "--prominent"},
        {   Aspect::Perform,       "--act"}
    };
    for (const auto& [aspect, option] : directions) {
        if (!parsed->Has(option)) continue;  // the direction above it was copied down
        values[aspect].Editaspect = parsed->Value(option);
        if (general::EditaspectExit(values, aspect) == Leave::Refused)
            return Refuse(err, kCommand, option, parsed->Value(option), kAllowedDegrees);
    }
    values.ComboBoxperson1 = *person1;
    values.ComboBoxperson2 = *person2;
    if (general::ComboBoxperson1Exit(values) == Leave::Refused ||
        general::ComboBoxperson2Exit(values) == Leave::Refused)
        return Refuse(err, kCommand, "--person1", parsed->Value("--person1"), "a branch code 1 ... 12");

    // The calculate button.
    const auto application = EnsureGuiApplication();
    const qt::QtPictureFiles pictures(data);
    report::Page page = general::GeneralPage();
    CommandLineView view;
    if (!general::ButtoncalculateomenaryClick(values, page, *today, pictures, messages, view)) {
        err << "omenary-cli general: " << messages.Texts().back() << "\n";
        return kExitFailed;
    }
    if (!WritePageFiles(page, kCommand, pdf, png, err)) return kExitFailed;

    NamedValues named;
    const auto collect = [&](std::string_view name, const std::string& value) {
        named.emplace_back(name, value);
    };
    shell::ForEachValue(logic.shell, collect);
    general::ForEachValue(values, collect);
    WriteReportJson(out, named, page, qt::QtTextMetrics(), messages.Texts());
    return kExitOk;
}

}  // namespace omenary::cli
