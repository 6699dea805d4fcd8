#include "model/OptionRules.h"

#include <gtest/gtest.h>

using model::ButtonKind;
using model::LinkTarget;
using model::Navigation;
using model::OptionField;

TEST(OptionRules, TheButtonExistsOnlyForAButtonClickAndTheFrameOnlyForAFrame) {
    struct Case {
        Navigation navigation;
        ButtonKind kind;
        LinkTarget target;
        model::OptionsAvailability available;
    };
    const Case cases[] = {
        {Navigation::OnButtonClick,
         ButtonKind::Standard,
         LinkTarget::SameWindow,
         {true, true, false, false}},
        {Navigation::OnButtonClick,
         ButtonKind::Graphic,
         LinkTarget::DifferentFrame,
         {true, false, true, true}},
        {Navigation::OnItemChange,
         ButtonKind::Graphic,
         LinkTarget::None,
         {false, false, false, false}},
        {Navigation::OnItemChange,
         ButtonKind::Standard,
         LinkTarget::DifferentFrame,
         {false, false, false, true}},
    };
    for (const Case& check : cases) {
        model::MenuOptions menu;
        model::ButtonOptions button;
        menu.navigation = check.navigation;
        menu.linkTarget = check.target;
        button.buttonKind = check.kind;
        EXPECT_EQ(model::AvailableOptions(menu, button), check.available);
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
