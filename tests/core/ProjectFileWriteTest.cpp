#include "GeneratorTestSupport.h"
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

using model::MenuItem;
using testing_support::SampleProject;

namespace {

MenuItem Item(std::string text, std::string selected = "No") {
    return {std::move(text), model::kNo, "", std::move(selected)};
}

} // namespace

TEST(ProjectFileWrite, WritesAHeadingAndASelectedItemByteForByte) {
    const std::string text = project::WriteProjectText(
        SampleProject({testing_support::Heading("Products"),
                       testing_support::Item("   Widgets", "Yes", "widgets.html", "Yes")}));
    EXPECT_EQ(text,
              "Quorvane Project File (Do not edit manually)\r\n[Items]\r\nicount=2\r\n"
              "Item 1=Products\r\nItem 2=   Widgets\r\n[URLS]\r\nURL 1=\r\nURL 2=widgets.html\r\n"
              "[Linked]\r\n1=No\r\n2=Yes\r\n[ItemColors]\r\nBackcolor 1=Default\r\n"
              "Textcolor 1=Default\r\nIsHeading 1=Yes\r\nBackcolor 2=Default\r\n"
              "Textcolor 2=Default\r\nIsHeading 2=No\r\n[Selected]\r\nSelectedItem=2\r\n"
              "[Menu Options]\r\nNavigate=0\r\nAlign to Button=1\r\nTarget=0\r\nFrame Name=\r\n"
              "Menu Name=MyMenu\r\n[Adv Menu Opts]\r\nText Color=#000000\r\nBG Color=#FFFFFF\r\n"
              "System Menu Colors=1\r\nFont=Sans Serif\r\nFont Size=13\r\nFont Weight=500\r\n"
              "Underline=0\r\nItalics=0\r\nWidth=\r\nConstrain Width=1\r\n[Button Options]\r\n"
              "Button Type=0\r\nButton Text=Go\r\nButton Graphic URL=\r\n"
              "Button Graphic Wdth=\r\nButton Graphic Ht=\r\nAlt Text=\r\n[Adv Button Opts]\r\n"
              "Color 0=#000000\r\nColor 1=#F0F0F0\r\nColor 2=#FFFFFF\r\nColor 3=#FFFFFF\r\n"
              "Color 4=#A0A0A0\r\nColor 5=#A0A0A0\r\nSynch Left and Top=1\r\n"
              "Synch Right and Bottom=1\r\nBorder=1\r\nSystem Button Colors=1\r\n"
              "Font=Sans Serif\r\nFont Size=13\r\nFont Weight=500\r\nUnderline=0\r\n"
              "Italics=0\r\nHeight=\r\nWidth=\r\nBorder Thickness=\r\nConstrain Button Size=1\r\n");
}

TEST(ProjectFileWrite, PlacesTheSelectedSectionByTheFirstSelectedItem) {
    const std::string empty = project::WriteProjectText(SampleProject({}));
    EXPECT_EQ(empty.substr(0, empty.find("[Menu Options]")),
              std::string(project::kProjectHeader) + "\r\n[Items]\r\nicount=0\r\n");

    const std::string first =
        project::WriteProjectText(SampleProject({Item("a", "Yes"), Item("b")}));
    EXPECT_LT(first.find("[Selected]\r\nSelectedItem=1\r\n[ItemColors]"), first.size());

    const std::string none = project::WriteProjectText(SampleProject({Item("a"), Item("b")}));
    EXPECT_EQ(none.find("Selected"), std::string::npos);

    // Two selected items: the key stands where the first put it and holds the last.
    const std::string twice =
        project::WriteProjectText(SampleProject({Item("a", "Yes"), Item("b"), Item("c", "Yes")}));
    EXPECT_LT(twice.find("[Selected]\r\nSelectedItem=3\r\n[ItemColors]"), twice.size());
    EXPECT_EQ(twice.find("SelectedItem="), twice.rfind("SelectedItem="));
}

// Line breaks and NULs would cut a value in two on reading.
TEST(ProjectFileWrite, DropsLineBreaksAndNuls) {
    MenuItem odd = Item(" spaced\r\nline ", "Yes");
    odd.url = std::string("a\0b", 3);
    const std::string text = project::WriteProjectText(SampleProject({odd}));
    EXPECT_NE(text.find("\r\nItem 1= spacedline \r\n[URLS]\r\nURL 1=ab\r\n"), std::string::npos);
}
