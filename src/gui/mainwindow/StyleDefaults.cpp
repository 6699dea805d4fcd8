#include "mainwindow/StyleDefaults.h"

#include "style/ColorValue.h"

#include <QPalette>
#include <QString>

namespace mainwindow {
namespace {

std::string ColorText(const QPalette& palette, QPalette::ColorRole role) {
    const QColor colour = palette.color(QPalette::Active, role);
    return style::ColorToHex(static_cast<style::SystemColor>(colour.red()) |
                             static_cast<style::SystemColor>(colour.green()) << 8 |
                             static_cast<style::SystemColor>(colour.blue()) << 16);
}

} // namespace

model::StyleDefaults PaletteStyleDefaults(const QPalette& palette, const QString& fontName) {
    model::StyleDefaults defaults;
    defaults.menuTextColor = ColorText(palette, QPalette::Text);
    defaults.menuBackColor = ColorText(palette, QPalette::Base);
    const std::string light = ColorText(palette, QPalette::Light);
    const std::string dark = ColorText(palette, QPalette::Dark);
    defaults.buttonColors = {ColorText(palette, QPalette::ButtonText),
                             ColorText(palette, QPalette::Button),
                             light,
                             light,
                             dark,
                             dark};
    defaults.fontName = fontName.toStdString();
    return defaults;
}

} // namespace mainwindow
