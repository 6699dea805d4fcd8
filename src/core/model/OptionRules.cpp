#include "model/OptionRules.h"

namespace model {

OptionsAvailability AvailableOptions(const MenuOptions& menu, const ButtonOptions& button) {
    const bool onButtonClick = menu.navigation == Navigation::OnButtonClick;
    const bool graphic = button.buttonKind == ButtonKind::Graphic;
    return {onButtonClick, onButtonClick && !graphic, onButtonClick && graphic,
            menu.linkTarget == LinkTarget::DifferentFrame};
}

bool EditMarksProjectChanged(OptionField field, bool projectHasFile) {
    switch (field) {
    case OptionField::MenuName:
        return true;
    case OptionField::ButtonText:
    case OptionField::ButtonAlign:
        return false;
    default:
        return projectHasFile;
    }
}

namespace {

// Serves the record as it is given, constant or not.
template <typename Menu, typename Button>
auto TextOf(Menu& menu, Button& button, OptionField field) -> decltype(&menu.menuName) {
    switch (field) {
    case OptionField::MenuName:
        return &menu.menuName;
    case OptionField::FrameName:
        return &menu.frameName;
    case OptionField::ButtonText:
        return &button.buttonText;
    case OptionField::ImageUrl:
        return &button.imageUrl;
    case OptionField::ImageWidth:
        return &button.imageWidth;
    case OptionField::ImageHeight:
        return &button.imageHeight;
    case OptionField::AltText:
        return &button.altText;
    default:
        return nullptr;
    }
}

} // namespace

std::string* TextOption(MenuOptions& menu, ButtonOptions& button, OptionField field) {
    return TextOf(menu, button, field);
}

const std::string* TextOption(const MenuOptions& menu, const ButtonOptions& button,
                              OptionField field) {
    return TextOf(menu, button, field);
}

void ChooseLinkTarget(MenuOptions& menu, LinkTarget target) {
    menu.linkTarget = target;
    if (target != LinkTarget::DifferentFrame) {
        menu.frameName.clear();
    }
}

} // namespace model
