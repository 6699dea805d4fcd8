#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Colour values ("#RRGGBB") and the platform's colour numbers (red in the lowest byte).
namespace style {

using SystemColor = std::uint32_t;

// "#" and the red, green and blue parts in upper-case hexadecimal.
std::string ColorToHex(SystemColor colour);

// The colour number of a colour value; nothing when the text cannot be converted.
std::optional<SystemColor> ColorTextToSystemColor(std::string_view text);

inline constexpr int kBackspaceKey = 8;
inline constexpr int kEnterKey = 13;

// A typed character after a key filter: key 0 means the character is discarded.
struct FilteredKey {
    int key = 0;
    bool focusNext = false; // move on as Tab would

    bool operator==(const FilteredKey&) const = default;
};

// Colour boxes: hexadecimal digits (lower-case letters raised), Backspace; Enter moves on.
FilteredKey HexDigitKey(int key);

// Pixel-size boxes: digits and Backspace pass, every other key gives 0.
int DigitKey(int key);

} // namespace style
