#include "cli/arguments.h"

#include <algorithm>

#include "cli/cli.h"

namespace omenary::cli {

std::optional<Arguments> Arguments::Parse(std::string_view command, const std::vector<std::string>& args,
                                          std::span<const OptionSpec> options, std::ostream& err) {
    return Read(command, args, options, &err);
}

Arguments Arguments::Scan(const std::vector<std::string>& args, std::span<const OptionSpec> options) {
    return *Read({}, args, options, nullptr);
}

std::optional<Arguments> Arguments::Read(std::string_view command, const std::vector<std::string>& args,
                                         std::span<const OptionSpec> options, std::ostream* err) {
    // True, with the refusal on err, when parsing; false when scanning, which takes the argument as
    // it stands.
    const auto refused = [&](std::string_view option, std::string_view given, std::string_view allowed) {
        if (err != nullptr) Refuse(*err, command, option, given, allowed);
        return err != nullptr;
    };
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
            std::string allowed;
            for (const OptionSpec& option : options)
                allowed += (allowed.empty() ? "" : ", ") + std::string(option.name);
            if (refused("argument", arg, allowed)) return std::nullopt;
            continue;  // scanned as a switch
        }
        std::string value;
        const bool valueFollows = i + 1 < args.size() && !args[i + 1].starts_with("--");
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
            if (!known->takesValue && refused(name, value, "no value")) return std::nullopt;
        } else if (known->takesValue && known->valueOptional) {
            if (valueFollows) value = args[++i];
        } else if (known->takesValue) {
            if (i + 1 < args.size())
                value = args[++i];
            else if (refused(arg, "", "a value after it"))
                return std::nullopt;
        }
        if (!parsed.given_.emplace(name, value).second && refused(name, value, "one value only"))
            return std::nullopt;
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
