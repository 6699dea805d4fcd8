#include "generate/GenerateChecks.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

using generate::CheckBeforeGenerate;
using generate::CheckFailure;

namespace {

CheckFailure Failure(std::string title, std::string text, model::OptionField focus,
                     bool selectAll) {
    return {
        {std::move(title), std::move(text), model::MessageIcon::Exclamation, {}}, focus, selectAll};
}

const CheckFailure kCharacterFailure =
    Failure("Error", "Menu Name must not contain any spaces or special characters.",
            model::OptionField::MenuName, true);

std::optional<CheckFailure> CheckName(const std::string& name) {
    model::MenuOptions menu;
    menu.menuName = name;
    return CheckBeforeGenerate(menu, model::ButtonOptions{});
}

} // namespace

TEST(GenerateChecks, TheFirstFailingCheckIsTheOnlyOneReported) {
    model::MenuOptions menu;
    model::ButtonOptions button;
    menu.linkTarget = model::LinkTarget::DifferentFrame;
    menu.menuName.clear();
    button.buttonKind = model::ButtonKind::Graphic;
    EXPECT_EQ(CheckBeforeGenerate(menu, button),
              Failure("Oops!",
                      "You have chosen to use a different frame as the target of your links but "
                      "you have not specified the name of the frame. You must enter a frame name "
                      "or choose another target for the links.",
                      model::OptionField::FrameName, false));

    menu.frameName = " ";
    menu.menuName = "my menu";
    EXPECT_EQ(CheckBeforeGenerate(menu, button),
              Failure("Oops!",
                      "You have chosen to use a graphical submit button style but have not "
                      "specified a URL for the graphic. Please specify a URL for the button "
                      "graphic in the space provided.",
                      model::OptionField::ImageUrl, false));

    // Without a button click no button is written, so a missing image does not matter.
    menu.navigation = model::Navigation::OnItemChange;
    EXPECT_EQ(CheckBeforeGenerate(menu, button), kCharacterFailure);

    menu.menuName.clear();
    EXPECT_EQ(CheckBeforeGenerate(menu, button),
              Failure("Oops!",
                      "You must specify a name for the menu to be used in the code. This uniquely "
                      "identifies this menu in case more than one menu is to be placed on the "
                      "same page.",
                      model::OptionField::MenuName, false));

    // A frame name or an image address of spaces is given all the same.
    menu.menuName = "MyMenu";
    menu.navigation = model::Navigation::OnButtonClick;
    // Not = "  ": GCC 12 at -O3 takes that assignment for a read of unset bytes.
    button.imageUrl.assign(2, ' ');
    EXPECT_EQ(CheckBeforeGenerate(menu, button), std::nullopt);
}

TEST(GenerateChecks, MenuNameTakesLettersDigitsAndUnderscoresAndBeginsWithNoDigit) {
    for (const char* name : {"My_Menu2", "_9", "ZZ_top"}) {
        EXPECT_EQ(CheckName(name), std::nullopt) << name;
    }
    // The character check comes first: a digit-first name with a hyphen gets its message.
    for (const char* name : {"my-menu", "menu.", "Men\xC3\xBC", "   ", "2-go"}) {
        EXPECT_EQ(CheckName(name), kCharacterFailure) << name;
    }
    EXPECT_EQ(CheckName("2menu"),
              Failure("Error", "Menu Name must begin with a letter or an underscore.",
                      model::OptionField::MenuName, true));
}
