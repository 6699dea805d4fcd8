#include "generate/GenerateChecks.h"

#include "model/Translatable.h"

#include <string>
#include <string_view>
#include <utility>

namespace generate {
namespace {

constexpr std::string_view kNameCharacters = "abcdefghijklmnopqrstuvwxyz0123456789_";

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsNameCharacter(char c) {
    return kNameCharacters.find(AsciiLower(c)) != std::string_view::npos;
}

CheckFailure Oops(std::string text, model::OptionField focusField) {
    return {
        {TRANSLATABLE("messages", "Oops!"), std::move(text), model::MessageIcon::Exclamation, {}},
        focusField,
        false};
}

CheckFailure MenuNameError(std::string text) {
    return {
        {TRANSLATABLE("messages", "Error"), std::move(text), model::MessageIcon::Exclamation, {}},
        model::OptionField::MenuName,
        true};
}

} // namespace

std::optional<CheckFailure> CheckBeforeGenerate(const model::MenuOptions& menu,
                                                const model::ButtonOptions& button) {
    if (menu.linkTarget == model::LinkTarget::DifferentFrame && menu.frameName.empty()) {
        return Oops(
            TRANSLATABLE(
                "messages",
                "You have chosen to use a different frame as the target of your links but you "
                "have not specified the name of the frame. You must enter a frame name or "
                "choose another target for the links."),
            model::OptionField::FrameName);
    }
    // Without a button click there is no button, so its image does not matter.
    if (button.buttonKind == model::ButtonKind::Graphic &&
        menu.navigation == model::Navigation::OnButtonClick && button.imageUrl.empty()) {
        return Oops(
            TRANSLATABLE(
                "messages",
                "You have chosen to use a graphical submit button style but have not "
                "specified a URL for the graphic. Please specify a URL for the button graphic "
                "in the space provided."),
            model::OptionField::ImageUrl);
    }
    const std::string_view name = menu.menuName;
    if (name.empty()) {
        return Oops(
            TRANSLATABLE(
                "messages",
                "You must specify a name for the menu to be used in the code. This uniquely "
                "identifies this menu in case more than one menu is to be placed on the same "
                "page."),
            model::OptionField::MenuName);
    }
    for (const char c : name) {
        if (!IsNameCharacter(c)) {
            return MenuNameError(TRANSLATABLE(
                "messages", "Menu Name must not contain any spaces or special characters."));
        }
    }
    // The code refers to the form as document.<name>, which JavaScript cannot parse after a digit.
    if (IsAsciiDigit(name.front())) {
        return MenuNameError(
            TRANSLATABLE("messages", "Menu Name must begin with a letter or an underscore."));
    }
    return std::nullopt;
}

} // namespace generate
