// The arguments of a subcommand: "--name value" or "--name=value" options, "--flag" switches and bare
// words ("--" ends the options), each refused with a message that names the argument, what was given
// and what is allowed. No Qt here.
#pragma once

#include <map>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace omenary::cli {

struct OptionSpec {
    std::string_view name;  // "--back"
    bool takesValue = true;
    // The value may be left out ("--print" alone): the next argument is its value unless it is an
    // option itself.
    bool valueOptional = false;
};

class Arguments {
  public:
    // Nothing when an argument is refused (the message is already on err).
    static std::optional<Arguments> Parse(std::string_view command, const std::vector<std::string>& args,
                                          std::span<const OptionSpec> options, std::ostream& err);
    // The arguments as Parse reads them, with nothing refused: an unknown option is taken as a
    // switch, a second value of an option is dropped. For telling which form of a command is asked
    // for before its own parse.
    static Arguments Scan(const std::vector<std::string>& args, std::span<const OptionSpec> options);

    bool Has(std::string_view option) const { return given_.contains(option); }
    // The option's value, or the fallback when it was not given.
    std::string Value(std::string_view option, std::string_view fallback = {}) const;
    const std::vector<std::string>& Words() const { return words_; }

  private:
    // Parse with err, Scan without.
    static std::optional<Arguments> Read(std::string_view command, const std::vector<std::string>& args,
                                         std::span<const OptionSpec> options, std::ostream* err);

    std::map<std::string, std::string, std::less<>> given_;
    std::vector<std::string> words_;
};

// Writes the refusal "omenary-cli COMMAND: OPTION 'GIVEN' refused; allowed: ALLOWED" and returns 2.
int Refuse(std::ostream& err, std::string_view command, std::string_view option, std::string_view given,
           std::string_view allowed);
// Writes "omenary-cli COMMAND: missing OPTION; allowed: USAGE" and returns 2.
int RefuseMissing(std::ostream& err, std::string_view command, std::string_view option,
                  std::string_view usage);

}  // namespace omenary::cli
