#include "project/IniLines.h"

#include <algorithm>
#include <utility>

namespace project {

namespace {

constexpr std::string_view kBlanks = " \t";

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string_view TakeLine(std::string_view& rest) {
    const auto end = rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        return std::exchange(rest, std::string_view());
    }
    const std::string_view line = rest.substr(0, end);
    const bool crLf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
    rest.remove_prefix(end + (crLf ? 2 : 1));
    return line;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view left, std::string_view right) {
    return std::equal(left.begin(), left.end(), right.begin(), right.end(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view text = TrimBlanks(line);
    if (!text.starts_with('[')) {
        return std::nullopt;
    }
    const std::string_view inside = text.substr(1);
    return TrimBlanks(inside.substr(0, inside.find(']')));
}

std::optional<KeyLine> SplitKeyLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{TrimBlanks(line.substr(0, equals)), line.substr(equals + 1)};
}

std::string_view ReadValue(std::string_view stored) {
    const std::string_view value = TrimBlanks(stored);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

} // namespace project
