// What the subcommands share: their arguments ("--name value" options, "--flag" switches and bare
// words, each refused with a message that names the argument, what was given and what is allowed),
// the GUI application that drawing needs, one fresh program run up to its first start, and writing
// a page to the files and the JSON asked for.
#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/json.h"
#include "cli/print_module.h"
#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/report/calculation_view.h"
#include "core/report/page.h"
#include "core/shell/omenary.h"
#include "qt/platform/picture_files.h"

namespace omenary::cli {

// Text and pictures need a GUI application; without a display the offscreen platform draws as well.
// One made here is never destroyed: the program ends with _Exit.
void EnsureGuiApplication();

// A print job of many pages through the printing module; null, with the reason in failure, when
// printing is not available or there is no such printer.
std::unique_ptr<PrintJob> OpenPrintJob(const std::string& printer, std::string_view documentName,
                                       std::string& failure);

// Empty names for the data folder or an output file, and one file named for both outputs, are
// refused (status 2) in every command; false then, with the refusal on err.
bool RefuseBadNames(std::string_view command, const Arguments& given, std::ostream& err);

// Writes the page to the files asked for, as one set; on failure says which file on err, leaves
// every file that stood before as it was and returns false.
bool WritePageFiles(const report::Page& page, std::string_view command,
                    const std::optional<std::filesystem::path>& pdf,
                    const std::optional<std::filesystem::path>& png, std::ostream& err);

// The list item a branch code selects ("3" -> "03 = ขาล"), or the none item for "none" where the list
// has one; nothing for any other text.
std::optional<std::string> BranchItemOf(const std::string& code, std::optional<std::string_view> noneItem);

// What a year list allows, for a refusal: "a year of the calendar's lists, 2443 ... 2699" and what
// else the input asks of it.
std::string AllowedYears(const std::vector<std::string>& items, std::string_view more = {});
// What a year whose stem and branch must exist asks besides: ", that has a stem and a branch (2443
// or later)".
std::string WithCodes();

// The options every omenary command takes besides its own: --today, --data, --pdf, --png, --print.
inline constexpr OptionSpec kRunOptions[] = {
    {"--today", true, false},
    { "--data", true, false},
    {  "--pdf", true, false},
    {  "--png", true, false},
    {"--print", true,  true}
};

// The command's own options and the run options.
std::vector<OptionSpec> WithRunOptions(std::span<const OptionSpec> own);

// The arguments of an omenary command: its own options and those, no bare word, and every required
// option given. Nothing when an argument is refused (the message, with the usage where it helps, is
// already on err).
std::optional<Arguments> ParseOmenaryArguments(std::string_view command, const std::vector<std::string>& args,
                                               std::span<const OptionSpec> own,
                                               std::initializer_list<std::string_view> required,
                                               std::string_view usage, std::ostream& err);

struct RunOptions {
    platform::Date today;
    std::filesystem::path data = ".";
    std::optional<std::filesystem::path> pdf;
    std::optional<std::filesystem::path> png;
    // Print through the system's queue: the printer's name, empty for the default printer.
    std::optional<std::string> print;
};

// Nothing when --today is not a real date, or one before the first year with codes (refused on err).
std::optional<RunOptions> ParseRunOptions(std::string_view command, const Arguments& given,
                                          std::ostream& err);

// The page's output is the files the command writes; nothing is shown or printed.
class CommandLineView final : public report::CalculationView {
  public:
    void ShowHourglass() override {}
    void RestoreCursor() override {}
    void Output(const report::Page& /*page*/, bool /*preview*/) override {}
};

// Where the page of a run inside a list goes: while a scope lives, ProgramRun::Finish hands its page
// and its JSON to the sink instead of writing files and standard output.
class PageSink {
  public:
    virtual ~PageSink() = default;
    // The exit status of the run. json makes the page's JSON, for a sink that keeps it.
    virtual int Take(const report::Page& page, const std::function<std::string()>& json,
                     std::ostream& err) = 0;
};

class PageSinkScope {
  public:
    explicit PageSinkScope(PageSink& sink);
    ~PageSinkScope();
    PageSinkScope(const PageSinkScope&) = delete;
    PageSinkScope& operator=(const PageSinkScope&) = delete;
};

// One run of the program as a command drives it: the date given, the pictures and calendar of the
// working directory, recorded messages and its own settings folder.
class ProgramRun {
  public:
    ProgramRun(std::string_view command, const RunOptions& options);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // The first activation. kExitOk, or the exit status of a start that failed (said on err): a
    // calendar index that cannot be used, or a glyph picture the first start could not show.
    int Start(std::ostream& err);

    shell::Omenary& Logic() { return logic_; }
    platform::RecordedMessages& Messages() { return messages_; }
    const qt::QtPictureFiles& Pictures() const { return pictures_; }
    const platform::Date& Today() const { return options_.today; }

    // The last message on err as the reason the run failed; returns 1.
    int Failed(std::ostream& err) const;
    // Writes the page to the files asked for, then the JSON to out: every value a run of the tab
    // reports, every element of the page and every message. The exit status.
    int Finish(const report::Page& page, shell::Tab tab, std::ostream& out, std::ostream& err) const;
    // The JSON of Finish alone: every value a run of the tab reports, as they stand now, and the page.
    NamedValues Values(shell::Tab tab) const;
    void WriteJson(const NamedValues& values, const report::Page& page, std::ostream& out) const;

  private:
    std::string command_;
    RunOptions options_;
    platform::RecordedMessages messages_;
    platform::FixedClock clock_;
    qt::QtPictureFiles pictures_;
    shell::Omenary logic_;
};

}  // namespace omenary::cli
