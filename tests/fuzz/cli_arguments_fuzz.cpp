// The command-line parser over any argument list: a refusal says so on standard error, a parse keeps
// only the options it knows, one value each, and the bare words.
#include <sstream>

#include "cli/arguments.h"
#include "tests/fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace omenary;
    // Arguments are separated by NUL bytes, as they reach a program.
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    static constexpr cli::OptionSpec kOptions[] = {
        {     "--back"},
        {  "--person1"},
        {"--landscape",false},
        {      "--pdf"            }
    };
    std::ostringstream err;
    const auto parsed = cli::Arguments::Parse("general", args, kOptions, err);
    if (!parsed) {
        fuzz::Require(err.str().starts_with("omenary-cli general: "));
        return 0;
    }
    fuzz::Require(err.str().empty());
    for (const std::string& word : parsed->Words())
        fuzz::Require(!word.starts_with("--"));
    std::size_t options = 0;
    for (const cli::OptionSpec& option : kOptions)
        options += parsed->Has(option.name) ? (option.takesValue ? 2 : 1) : 0;
    fuzz::Require(options + parsed->Words().size() == args.size());
    if (parsed->Has("--landscape")) fuzz::Require(parsed->Value("--landscape").empty());
    return 0;
}
