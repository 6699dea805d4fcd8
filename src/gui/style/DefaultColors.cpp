#include "style/DefaultColors.h"

#include "platform/ColorPicker.h"
#include "style/ColorValue.h"

#include <QPalette>

namespace style {
namespace {

std::string ColorText(const QPalette& palette, QPalette::ColorRole role) {
    return ColorToHex(platform::SystemColorOf(palette.color(QPalette::Active, role)));
}

} // namespace

std::array<std::string, 2> MenuDefaultColors(const QPalette& palette) {
    return {ColorText(palette, QPalette::Text), ColorText(palette, QPalette::Base)};
}

std::array<std::string, model::kButtonColorCount> ButtonDefaultColors(const QPalette& palette) {
    const std::string light = ColorText(palette, QPalette::Light);
    const std::string dark = ColorText(palette, QPalette::Dark);
    return {ColorText(palette, QPalette::ButtonText),
            ColorText(palette, QPalette::Button),
            light,
            light,
            dark,
            dark};
}

} // namespace style
