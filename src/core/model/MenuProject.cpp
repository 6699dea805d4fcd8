#include "model/MenuProject.h"

namespace model {

std::string ButtonAlignText(ButtonAlign align) {
    switch (align) {
    case ButtonAlign::Top:
        return "Top";
    case ButtonAlign::Middle:
        return "Middle";
    case ButtonAlign::Bottom:
        return "Bottom";
    case ButtonAlign::None:
        break;
    }
    return {};
}

StyleDefaults PlainStyleDefaults() {
    return {"#000000",
            "#FFFFFF",
            {"#000000", "#F0F0F0", "#FFFFFF", "#FFFFFF", "#A0A0A0", "#A0A0A0"},
            "Sans Serif"};
}

MenuProject StartupProject(const StyleDefaults& defaults) {
    MenuProject project;
    project.menuStyle.textColor = defaults.menuTextColor;
    project.menuStyle.backColor = defaults.menuBackColor;
    project.menuStyle.fontName = defaults.fontName;
    project.buttonStyle.colors = defaults.buttonColors;
    project.buttonStyle.fontName = defaults.fontName;
    return project;
}

MenuProject NewProject(const StyleDefaults& defaults) {
    MenuProject project = StartupProject(defaults);
    project.menu.menuName.clear();
    project.buttonStyle.borderThickness = "2";
    return project;
}

} // namespace model
