#include "GeneratorTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The lines between the list line and </select>.
std::string EntryLines(std::vector<model::MenuItem> items) {
    const auto project = SampleProject(std::move(items));
    const auto html = generate::GenerateMenuCode(project, generate::CodeTarget::Clip).html;
    const auto listLine = html.find("<SELECT");
    const auto first = html.find("\r\n", listLine) + 2;
    return html.substr(first, html.find("</select>") - first);
}

std::string Option(const std::string& value, const std::string& label,
                   const std::string& selected = "") {
    return "<OPTION value=\"" + value + "\"" + selected +
           " style=\"background-color='';color=''\">" + label + "</OPTION>";
}

} // namespace

TEST(GeneratorEntries, GroupsOpenAtHeadingsAndCloseOnlyAfterAnOption) {
    EXPECT_EQ(EntryLines({Heading("Fruit"), Item("   Apple", "Yes", "a.html"), Heading("Roots"),
                          Heading("Tubers"), Item("   Potato", "Yes", "p.html"),
                          Item("   Yam", "Yes", "y.html"), Heading("Last")}),
              CrLfLines({"<OPTGROUP LABEL=\"Fruit\">", Option("a.html", "Apple"), "</OPTGROUP>",
                         "<OPTGROUP LABEL=\"Roots\">", "<OPTGROUP LABEL=\"Tubers\">",
                         Option("p.html", "Potato"), Option("y.html", "Yam"), "</OPTGROUP>",
                         "<OPTGROUP LABEL=\"Last\">", "</OPTGROUP>"}));
    // Options before the first heading stand outside any group.
    EXPECT_EQ(EntryLines({Item("Top", "Yes", "t.html"), Heading("Group")}),
              CrLfLines({Option("t.html", "Top"), "<OPTGROUP LABEL=\"Group\">", "</OPTGROUP>"}));
}

TEST(GeneratorEntries, LabelsLoseTheIndentMarkerAndOptionsTheirTrailingSpaces) {
    EXPECT_EQ(EntryLines({Heading("   Sub  "), Item("   Apple  ", "Yes", "a.html"),
                          Item("     Two", "Yes", "2.html"), Item("   ", "Yes", "e.html"),
                          Item("  Short", "Yes", "s.html")}),
              CrLfLines({"<OPTGROUP LABEL=\"Sub  \">", Option("a.html", "Apple"),
                         Option("2.html", "  Two"), Option("e.html", ""),
                         Option("s.html", "  Short"), "</OPTGROUP>"}));
}

TEST(GeneratorEntries, LinkedAndSelectedChooseValueAndMarkOthersAreDropped) {
    EXPECT_EQ(
        EntryLines({Item("A", "Yes", "a.html", "No"), Item("B", "Yes", "b.html", "Yes"),
                    Item("C", "No", "", "No"), Item("D", "No", "", "Yes"),
                    Item("E", "yes", "e.html"), Item("F", "", "f.html"),
                    Item("G", "Yes", "g.html", "maybe")}),
        CrLfLines({Option("a.html", "A"), Option("b.html", "B", " SELECTED"), Option("nolink", "C"),
                   Option("nolink", "D", " SELECTED"), Option("g.html", "G", " SELECTED")}));
}

TEST(GeneratorEntries, ColoursAndTextsAreWrittenAsHeld) {
    auto coloured = Item("Say \"hi\" <b>", "Yes", "page.html?a=1&b=\"2\"");
    coloured.backColor = "#12ab9f";
    coloured.textColor = "#FFFFFF";
    // The back colour alone decides whether the item has the default colours; headings have none.
    auto defaultBack = Item("X", "Yes", "x.html");
    defaultBack.textColor = "#000000";
    auto heading = Heading("<\"Group\">");
    heading.backColor = "#003366";
    EXPECT_EQ(
        EntryLines({coloured, defaultBack, heading}),
        CrLfLines({"<OPTION value=\"page.html?a=1&b=\"2\"\" style=\"background-color='"
                   "#12ab9f';color='#FFFFFF'\">Say \"hi\" <b></OPTION>",
                   Option("x.html", "X"), "<OPTGROUP LABEL=\"<\"Group\">\">", "</OPTGROUP>"}));
}
