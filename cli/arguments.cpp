#include "cli/arguments.h"

#include <algorithm>

#include "cli/cli.h"

namespace omenary::cli {

std::optional<Arguments> Arguments::Parse(std::string_view command, const std::vector<std::string>& args,
                                          std::span<const OptionSpec> options, std::ostream& err) {
    std::string allowed;
    for (const OptionSpec& option : options)
        allowed += (allowed.empty() ? "" : ", ") + std::string(option.name);
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {  // what follows are words, even those that start with "--"
            parsed.words_.insert(parsed.words_.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                 args.end());
            break;
        }
        if (!arg.starts_with("--")) {
            parsed.words_.push_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const auto known = std::find_if(options.begin(), options.end(),
                                        [&](const OptionSpec& option) { return option.name == name; });
        if (known == options.end()) {
            Refuse(err, command, "argument", arg, allowed);
            return std::nullopt;
        }
        std::string value;
        const bool valueFollows = i + 1 < args.size() && !args[i + 1].starts_with("--");
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
            if (!known->takesValue) {
                Refuse(err, command, name, value, "no value");
                return std::nullopt;
            }
        } else if (known->takesValue && known->valueOptional) {
            if (valueFollows) value = args[++i];
        } else if (known->takesValue) {
            if (i + 1 >= args.size()) {
                Refuse(err, command, arg, "", "a value after it");
                return std::nullopt;
            }
            value = args[++i];
        }
        if (!parsed.given_.emplace(name, value).second) {
            Refuse(err, command, name, value, "one value only");
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

int RefuseMissing(std::ostream& err, std::string_view command, std::string_view option,
                  std::string_view usage) {
    err << "omenary-cli " << command << ": missing " << option << "; allowed: " << usage << "\n";
    return kExitRefused;
}

}  // namespace omenary::cli
