#pragma once

#include "model/MenuProject.h"

#include <array>
#include <string>
#include <vector>

// Which controls of the two style windows can be used, and the font a window selects by default.
namespace style {

// The menu window: the two colour rows (their samples show colour exactly when usable) and the
// width.
struct MenuStyleAvailability {
    bool colorRows = false;
    bool width = false;

    bool operator==(const MenuStyleAvailability&) const = default;
};

MenuStyleAvailability MenuAvailability(const model::MenuStyle& style);

// The button window. A colour row is its label, box, sample and Select button; a border row tied
// to its leading row by a sync box cannot be edited, though its sample still shows the colour.
struct ButtonStyleAvailability {
    std::array<bool, model::kButtonColorCount> colorRows{};
    std::array<bool, model::kButtonColorCount> opaqueSamples{};
    bool syncBoxes = false;
    bool noBorder = false;
    bool borderThickness = false;
    bool size = false; // width and height

    bool operator==(const ButtonStyleAvailability&) const = default;
};

ButtonStyleAvailability ButtonAvailability(const model::ButtonStyle& style);

// The row a sync box ties to `leadingRow`, or -1 when none is tied to it now.
int TiedRow(const model::ButtonStyle& style, int leadingRow);

inline constexpr const char* kPreferredFont = "MS Sans Serif";

enum class FontMoment { Startup, NewProject };

// The entry a font list selects: "MS Sans Serif" when listed, otherwise the second entry at
// start-up (the only one when there is one) and the first after a new project; -1 when empty.
int DefaultFontIndex(const std::vector<std::string>& fonts, FontMoment moment);

} // namespace style
