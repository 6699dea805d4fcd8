#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const model::MenuItem kHome = Item("Home", "Yes", "index.html");

// The button's font is its own, apart from the list's.
const std::string kButtonHead =
    "<input type=\"submit\" value=\"Say \"go\" <now>\" style=\"font-size='12px'; "
    "font-family='Serif'; font-style='Italic'; text-decoration='Underline'; width=60; height=; "
    "font-weight=600";

} // namespace

TEST(GeneratorStyle, ListLineWritesNoColoursUnlessSystemColoursAreExactlyOff) {
    auto project = SampleProject({kHome});
    // Only exactly 1 turns italic and underline on, and only exactly 0 the colours.
    project.menuStyle = {2, "#000080", "#FFFFCC", "Sans Serif", "13", 500, 2, 2, "", 1};
    EXPECT_EQ(HtmlLine(project, "<SELECT"),
              "<SELECT name=\"selectsite\" style=\"font-size='13px'; font-family='Sans Serif'; "
              "font-weight=500; font-style='Normal'; text-decoration='None'; width=\">");
}

TEST(GeneratorStyle, ButtonColoursAndBordersFollowSystemColoursAndNoBorder) {
    auto project = SampleProject({kHome});
    project.button.buttonText = "Say \"go\" <now>";
    auto& style = project.buttonStyle;
    style = {1, {}, 1, 1, 0, "Serif", "12", 600, 1, 1, "60", "", "3", 1};
    style.colors = {"#000001", "#000002", "#000003", "#000004", "#000005", "#000006"};
    EXPECT_EQ(HtmlLine(project, "<input"), kButtonHead + "\">");

    style.useSystemColors = 0;
    style.noBorder = 1;
    EXPECT_EQ(HtmlLine(project, "<input"),
              kButtonHead + "; background-color='#000002'; color='#000001'\">");

    style.noBorder = 0;
    const auto solid = kButtonHead + "; background-color='#000002'; color='#000001'; "
                                     "border-top-color='#000003'; border-left-color='#000004'; "
                                     "border-right-color='#000005'; border-bottom-color='#000006'; "
                                     "border-style='Solid';border-width=3\">";
    EXPECT_EQ(HtmlLine(project, "<input"), solid);
    style.noBorder = 2;
    EXPECT_EQ(HtmlLine(project, "<input"), solid);
}

TEST(GeneratorStyle, GraphicButtonWritesSizeOnlyWhenGivenAndAlwaysAlt) {
    auto project = SampleProject({kHome});
    project.button.buttonKind = model::ButtonKind::Graphic;
    project.button.imageUrl = "img/go.gif";
    EXPECT_EQ(HtmlLine(project, "<input"),
              "<input type=\"image\" src=\"img/go.gif\" alt=\"\" border=0 value=\"Submit\">");
    project.button.imageHeight = "20";
    project.button.altText = "Go \"now\"";
    EXPECT_EQ(HtmlLine(project, "<input"), "<input type=\"image\" src=\"img/go.gif\" "
                                           "height=\"20\" alt=\"Go \"now\"\" border=0 "
                                           "value=\"Submit\">");
    project.button.imageWidth = "40";
    EXPECT_EQ(HtmlLine(project, "<input"), "<input type=\"image\" src=\"img/go.gif\" "
                                           "width=\"40\" height=\"20\" alt=\"Go \"now\"\" "
                                           "border=0 value=\"Submit\">");
}

TEST(GeneratorStyle, NavigationDecidesTheButtonTableAndItsAlignment) {
    auto project = SampleProject({kHome});
    project.menu.buttonAlign = model::ButtonAlign::Top;
    EXPECT_EQ(HtmlLine(project, "<table"), "<table border=0><tr><td valign=\"Top\">");
    project.menu.buttonAlign = model::ButtonAlign::Bottom;
    EXPECT_EQ(HtmlLine(project, "<table"), "<table border=0><tr><td valign=\"Bottom\">");
    project.menu.buttonAlign = model::ButtonAlign::None;
    EXPECT_EQ(HtmlLine(project, "<table"), "<table border=0><tr><td valign=\"\">");

    // Navigating on change writes neither button nor table, whatever the button holds.
    project.menu.navigation = model::Navigation::OnItemChange;
    project.button.buttonKind = model::ButtonKind::Graphic;
    project.button.imageUrl = "go.gif";
    const auto html = generate::GenerateMenuCode(project, generate::CodeTarget::Clip).html;
    EXPECT_EQ(html.find("<table"), std::string::npos);
    EXPECT_EQ(html.find("<input"), std::string::npos);
    EXPECT_EQ(HtmlLine(project, "<SELECT")
                  .find("<SELECT name=\"selectsite\" "
                        "onChange=\"gothere(document.MyMenu);\" style="),
              0u);
}
