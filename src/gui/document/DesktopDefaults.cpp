#include "document/DesktopDefaults.h"

#include "platform/ColorPicker.h"
#include "style/ColorValue.h"

#include <QPalette>

namespace document {
namespace {

std::string ColorText(const QPalette& palette, QPalette::ColorRole role) {
    return style::ColorToHex(platform::SystemColorOf(palette.color(QPalette::Active, role)));
}

std::string DefaultFont(const std::vector<std::string>& names, style::FontMoment moment) {
    const int index = style::DefaultFontIndex(names, moment);
    return index < 0 ? std::string() : names[static_cast<std::size_t>(index)];
}

} // namespace

DesktopDefaults::DesktopDefaults(const QPalette& palette, const QStringList& installed)
    : fonts(installed) {
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(fonts.size()));
    for (const QString& font : fonts) {
        names.push_back(font.toStdString());
    }
    const std::string light = ColorText(palette, QPalette::Light);
    const std::string dark = ColorText(palette, QPalette::Dark);
    startup = {ColorText(palette, QPalette::Text),
               ColorText(palette, QPalette::Base),
               {ColorText(palette, QPalette::ButtonText), ColorText(palette, QPalette::Button),
                light, light, dark, dark},
               DefaultFont(names, style::FontMoment::Startup)};
    newProject = startup;
    newProject.fontName = DefaultFont(names, style::FontMoment::NewProject);
}

const model::StyleDefaults& DesktopDefaults::At(style::FontMoment moment) const {
    return moment == style::FontMoment::Startup ? startup : newProject;
}

bool DesktopDefaults::Offers(const std::string& font) const {
    return fonts.contains(QString::fromStdString(font));
}

} // namespace document
