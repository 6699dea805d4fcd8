#include "style/StyleRules.h"

#include <algorithm>

namespace style {

MenuStyleAvailability MenuAvailability(const model::MenuStyle& style) {
    return {style.useSystemColors == 0, style.constrainWidth == 0};
}

ButtonStyleAvailability ButtonAvailability(const model::ButtonStyle& style) {
    ButtonStyleAvailability available;
    const bool ownColors = style.useSystemColors == 0;
    const bool border = style.noBorder == 0;
    for (int row = 0; row < model::kButtonColorCount; ++row) {
        const bool borderRow = row >= model::kTopBorder;
        const bool tied = (row == model::kLeftBorder && style.syncTopLeft != 0) ||
                          (row == model::kBottomBorder && style.syncRightBottom != 0);
        const auto index = static_cast<std::size_t>(row);
        // A border row follows "No Border" alone: a project file may pair system colours with a
        // border, and then the border rows stay open.
        available.opaqueSamples[index] = borderRow ? border : ownColors;
        available.colorRows[index] = available.opaqueSamples[index] && !tied;
    }
    available.syncBoxes = border;
    available.noBorder = ownColors;
    available.borderThickness = border;
    available.size = style.constrainSize == 0;
    return available;
}

int TiedRow(const model::ButtonStyle& style, int leadingRow) {
    if (leadingRow == model::kTopBorder && style.syncTopLeft != 0) {
        return model::kLeftBorder;
    }
    if (leadingRow == model::kRightBorder && style.syncRightBottom != 0) {
        return model::kBottomBorder;
    }
    return -1;
}

int DefaultFontIndex(const std::vector<std::string>& fonts, FontMoment moment) {
    const auto preferred = std::find(fonts.begin(), fonts.end(), kPreferredFont);
    if (preferred != fonts.end()) {
        return static_cast<int>(preferred - fonts.begin());
    }
    if (fonts.empty()) {
        return -1;
    }
    return moment == FontMoment::Startup && fonts.size() > 1 ? 1 : 0;
}

} // namespace style
