// What the subcommands share: their arguments ("--name value" options, "--flag" switches and bare
// words, each refused with a message that names the argument, what was given and what is allowed),
// the GUI application that drawing needs, and writing a page to the files asked for.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QGuiApplication;

namespace omenary::report {
class Page;
}

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
