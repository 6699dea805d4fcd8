#include "style/ColorValue.h"

namespace style {
namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";
constexpr std::size_t kColorTextLength = 7;

bool IsDigit(int key) {
    return key >= '0' && key <= '9';
}

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The value of a hexadecimal digit in either case; nothing for any other character.
std::optional<SystemColor> HexDigitValue(char c) {
    if (IsDigit(c)) {
        return static_cast<SystemColor>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<SystemColor>(c - 'A' + 10);
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<SystemColor>(c - 'a' + 10);
    }
    return std::nullopt;
}

} // namespace

std::string ColorToHex(SystemColor colour) {
    std::string hex = "#";
    for (const int shift : {0, 8, 16}) {
        const SystemColor part = (colour >> shift) & 0xFFu;
        hex += kHexDigits[part >> 4];
        hex += kHexDigits[part & 0xFu];
    }
    return hex;
}

std::optional<SystemColor> ColorTextToSystemColor(std::string_view text) {
    if (text.size() != kColorTextLength) {
        return std::nullopt;
    }
    if (text.front() != '#' && !IsDigit(text.front()) && !IsLetter(text.front())) {
        return std::nullopt;
    }
    SystemColor rgb = 0;
    for (const char c : text.substr(1)) {
        const auto digit = HexDigitValue(c);
        if (!digit) {
            return std::nullopt;
        }
        rgb = rgb * 16 + *digit;
    }
    // The text reads red first; the colour number holds red in its lowest byte.
    const SystemColor red = rgb >> 16;
    const SystemColor green = (rgb >> 8) & 0xFFu;
    const SystemColor blue = rgb & 0xFFu;
    return red | (green << 8) | (blue << 16);
}

FilteredKey HexDigitKey(int key) {
    if (IsDigit(key) || (key >= 'A' && key <= 'F') || key == kBackspaceKey) {
        return {key, false};
    }
    if (key >= 'a' && key <= 'f') {
        return {key - 'a' + 'A', false};
    }
    if (key == kEnterKey) {
        return {0, true};
    }
    return {};
}

int DigitKey(int key) {
    return IsDigit(key) || key == kBackspaceKey ? key : 0;
}

} // namespace style
