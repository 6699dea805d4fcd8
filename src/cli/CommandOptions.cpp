#include "cli/CommandOptions.h"

#include "cli/CommandLine.h"

#include <algorithm>

namespace cli {

namespace {

bool Contains(std::initializer_list<std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

std::variant<GivenOptions, std::string>
ReadOptions(const std::vector<std::string>& args,
            std::initializer_list<std::string_view> valueOptions,
            std::initializer_list<std::string_view> flags) {
    GivenOptions given;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (!arg.starts_with("--") || (!Contains(valueOptions, name) && !Contains(flags, name))) {
            return "unexpected argument '" + arg + "'";
        }
        if (Contains(flags, name)) {
            if (equals != std::string::npos) {
                return name + " takes no value";
            }
            given.flags.insert(name);
            continue;
        }
        if (given.values.contains(name)) {
            return name + " is given twice";
        }
        if (equals != std::string::npos) {
            given.values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
            given.values[name] = args[++i];
        } else {
            return name + " needs a value";
        }
    }
    return given;
}

int UsageError(std::ostream& err, const std::string& problem) {
    err << "quorvane: " << problem << "\nTry 'quorvane --help' for more information.\n";
    return kExitUsage;
}

} // namespace cli
