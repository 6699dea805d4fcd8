#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// The line-level rules of INI text, shared by every reader of it.
namespace project {

inline bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The line at the start of `rest`, which then moves past it. A line ends at CR LF, LF or a lone
// CR: values never hold either character, so every reader counts lines this one way.
std::string_view TakeLine(std::string_view& rest);

// Without leading and trailing blanks and tabs.
std::string_view TrimBlanks(std::string_view text);

// Whether two section or key names match: ASCII letters without regard to case. Inline, as the
// reader asks it for every key of a file.
inline bool SameName(std::string_view left, std::string_view right) {
    if (left.size() != right.size()) {
        return false;
    }
    for (std::size_t at = 0; at < left.size(); ++at) {
        if ((left[at] | 0x20) != (right[at] | 0x20) ||
            (left[at] != right[at] && !IsAsciiLetter(left[at]))) {
            return false;
        }
    }
    return true;
}

// "[name]" gives the name; a missing closing bracket ends the name at the line end.
std::optional<std::string_view> SectionName(std::string_view line);

struct KeyLine {
    std::string_view key;   // trimmed
    std::string_view value; // as stored
};

// A line holding an equals sign; nothing for any other line.
std::optional<KeyLine> SplitKeyLine(std::string_view line);

// A stored value as a read returns it: trimmed, and without a pair of enclosing quotes.
std::string_view ReadValue(std::string_view stored);

} // namespace project
