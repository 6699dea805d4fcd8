#pragma once

#include <initializer_list>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The options of the headless commands, read one way for all of them.
namespace cli {

struct GivenOptions {
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::string, std::less<>> flags;
};

// Reads "--option value" and "--option=value" for `valueOptions`, each at most once, and the
// bare `flags`. A separate value may not begin with "--" (the = form takes any). The problem in
// words when the arguments do not fit.
std::variant<GivenOptions, std::string>
ReadOptions(const std::vector<std::string>& args,
            std::initializer_list<std::string_view> valueOptions,
            std::initializer_list<std::string_view> flags);

// Tells the problem and where help is; returns kExitUsage.
int UsageError(std::ostream& err, const std::string& problem);

} // namespace cli
