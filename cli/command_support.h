// What the subcommands share: their arguments ("--name value" options, "--flag" switches and bare
// words, each refused with a message that names the argument, what was given and what is allowed),
// the GUI application that drawing needs, and writing a page to the files asked for.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/report/calculation_view.h"
#include "core/shell/omenary.h"

class QGuiApplication;

namespace omenary::cli {

struct OptionSpec {
    std::string_view name;  // "--back"
    bool takesValue = true;
};

class Arguments {
  public:
    // Nothing when an argument is refused (the message is already on err).
    static std::optional<Arguments> Parse(std::string_view command, const std::vector<std::string>& args,
                                          std::span<const OptionSpec> options, std::ostream& err);

    bool Has(std::string_view option) const { return given_.contains(option); }
    // The option's value, or the fallback when it was not given.
    std::string Value(std::string_view option, std::string_view fallback = {}) const;
    const std::vector<std::string>& Words() const { return words_; }

  private:
    std::map<std::string, std::string, std::less<>> given_;
    std::vector<std::string> words_;
};

// What every omenary command takes beside its own inputs: --today DATE, --data DIR, --pdf FILE and
// --png FILE.
struct RunOptions {
    platform::Date today;
    std::filesystem::path data;
    std::optional<std::filesystem::path> pdf;
    std::optional<std::filesystem::path> png;
};

// The options of a parsed command line; nothing when --today is refused (the message is on err).
std::optional<RunOptions> ParseRunOptions(std::string_view command, const Arguments& parsed,
                                          std::ostream& err);

// A folder of its own, removed at the end; empty when it could not be made.
class TemporaryFolder {
  public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// One run of the program from its first start: a command-line run is a fresh program on a fresh
// system, with a settings folder of its own (never the desktop program's), the date given, and
// messages recorded instead of shown; nobody answers a question.
class ProgramRun {
  public:
    explicit ProgramRun(const RunOptions& options);
    // The first activation; false when the start failed (the reason is on err).
    bool Start(std::string_view command, std::ostream& err);

    shell::Omenary& Logic() { return logic_; }
    platform::RecordedMessages& Messages() { return messages_; }

  private:
    TemporaryFolder settings_;
    platform::RecordedMessages messages_;
    platform::FixedClock clock_;
    shell::Omenary logic_;
};

// Prints the JSON of a finished run: the shell's working values, then the tab's (each passed to the
// visitor by tabValues), every element of the page and every message, in order.
using ValueVisitor = std::function<void(std::string_view, const std::string&)>;
void PrintRunJson(std::ostream& out, ProgramRun& run,
                  const std::function<void(const ValueVisitor&)>& tabValues, const report::Page& page);

// What a year argument may be: "a year of the calendar's lists, 2443 ... 2699".
std::string AllowedYears(const std::vector<std::string>& yearItems);

// The page's output is the files the command writes; nothing is shown or printed.
class CommandLineView final : public report::CalculationView {
  public:
    void ShowHourglass() override {}
    void RestoreCursor() override {}
    void Output(const report::Page& /*page*/, bool /*preview*/) override {}
};

// Writes the refusal "omenary-cli COMMAND: OPTION 'GIVEN' refused; allowed: ALLOWED" and returns 2.
int Refuse(std::ostream& err, std::string_view command, std::string_view option, std::string_view given,
           std::string_view allowed);

// Text and pictures need a GUI application; without a display the offscreen platform draws as well.
// Null when one already exists.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

// Writes the page to the files asked for; on failure says which file on err, leaves no file behind
// and returns false.
bool WritePageFiles(const report::Page& page, std::string_view command,
                    const std::optional<std::filesystem::path>& pdf,
                    const std::optional<std::filesystem::path>& png, std::ostream& err);

}  // namespace omenary::cli
