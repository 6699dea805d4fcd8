#include "project/IniLines.h"

#include <algorithm>
#include <cstring>

namespace project {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string_view TakeLine(std::string_view& rest) {
    // memchr finds either end a window at a time: fast on ordinary lines, and a line of any
    // length is searched no more than twice.
    constexpr std::size_t kWindow = 256;
    std::size_t end = 0;
    while (end < rest.size()) {
        const char* const at = rest.data() + end;
        const std::size_t window = std::min(kWindow, rest.size() - end);
        const auto* carriageReturn = static_cast<const char*>(std::memchr(at, '\r', window));
        const auto* lineFeed = static_cast<const char*>(std::memchr(
            at, '\n', carriageReturn ? static_cast<std::size_t>(carriageReturn - at) : window));
        if (const char* const found = lineFeed ? lineFeed : carriageReturn) {
            end = static_cast<std::size_t>(found - rest.data());
            break;
        }
        end += window;
    }
    const std::string_view line = rest.substr(0, end);
    if (end == rest.size()) {
        rest = {};
    } else {
        const bool crLf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
        rest.remove_prefix(end + (crLf ? 2 : 1));
    }
    return line;
}

std::string_view TrimBlanks(std::string_view text) {
    // Plain loops: the library's search for either of two characters calls memchr for each.
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) {
        ++first;
    }
    std::size_t end = text.size();
    while (end > first && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(first, end - first);
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
