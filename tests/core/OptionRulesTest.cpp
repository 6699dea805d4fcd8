#include "model/OptionRules.h"

#include <gtest/gtest.h>

using model::ButtonKind;
using model::LinkTarget;
using model::Navigation;
using model::OptionField;

TEST(OptionRules, TheButtonExistsOnlyForAButtonClickAndTheFrameOnlyForAFrame) {
    // The button's options, the standard button's, the graphic's, the frame name.
    const std::tuple<Navigation, ButtonKind, LinkTarget, std::string> cases[] = {
        {Navigation::OnButtonClick, ButtonKind::Standard, LinkTarget::SameWindow, "++--"},
        {Navigation::OnButtonClick, ButtonKind::Graphic, LinkTarget::DifferentFrame, "+-++"},
        {Navigation::OnItemChange, ButtonKind::Graphic, LinkTarget::None, "----"},
        {Navigation::OnItemChange, ButtonKind::Standard, LinkTarget::DifferentFrame, "---+"},
    };
    for (const auto& [navigation, kind, target, expected] : cases) {
        model::MenuOptions menu;
        model::ButtonOptions button;
        menu.navigation = navigation;
        menu.linkTarget = target;
        button.buttonKind = kind;
        const auto options = model::AvailableOptions(menu, button);
        std::string available;
        for (const bool on : {options.buttonOptions, options.standardButton, options.graphicButton,
                              options.frameName}) {
            available += on ? '+' : '-';
        }
        EXPECT_EQ(available, expected);
    }
}

TEST(OptionRules, OnlyTheMenuNameMarksAProjectWithoutAFileChanged) {
    std::string withoutFile;
    std::string withFile;
    for (const OptionField field :
         {OptionField::MenuName, OptionField::Navigation, OptionField::LinkTarget,
          OptionField::FrameName, OptionField::ButtonAlign, OptionField::ButtonKind,
          OptionField::ButtonText, OptionField::ImageUrl, OptionField::AltText}) {
        withoutFile += model::EditMarksProjectChanged(field, false) ? '+' : '-';
        withFile += model::EditMarksProjectChanged(field, true) ? '+' : '-';
    }
    EXPECT_EQ(withoutFile, "+--------");
    EXPECT_EQ(withFile, "++++-+-++");
}

TEST(OptionRules, AnotherTargetThanAFrameTakesTheFrameNameAway) {
    model::MenuOptions menu;
    menu.frameName = "main";
    model::ChooseLinkTarget(menu, LinkTarget::DifferentFrame);
    EXPECT_EQ(menu.frameName, "main");
    model::ChooseLinkTarget(menu, LinkTarget::NewWindow);
    EXPECT_EQ(menu.frameName, "");
    EXPECT_EQ(menu.linkTarget, LinkTarget::NewWindow);
}
