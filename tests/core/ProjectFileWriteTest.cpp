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
    EXPECT_EQ(text, testing_support::ReferenceText("products.qvn"));
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
