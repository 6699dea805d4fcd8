#include "TestFolder.h"
#include "project/AtomicFile.h"
#include "project/ProjectFile.h"

#include <gtest/gtest.h>

using model::MenuProject;

namespace {

const MenuProject kBase = model::NewProject(model::PlainStyleDefaults());

// A file that loads: the header, `body`, and the two font weights a file must hold.
std::string FileWith(const std::string& body) {
    return std::string(project::kProjectHeader) + "\r\n" + body +
           "[Adv Menu Opts]\r\nFont Weight=500\r\n[Adv Button Opts]\r\nFont Weight=500\r\n";
}

std::optional<MenuProject> Read(const std::string& text) {
    return project::ReadProjectText(text, kBase);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

MenuProject EveryFieldSet() {
    MenuProject project = kBase;
    project.items = {
        {"\"Sale\"", "Yes", "'a.html'", "No", "#112233", "#445566", "Yes"},
        {"   Caf\xC3\xA9", "Yes", "https://x.org/a?b=c", "Yes", "#010203", "#040506", "No"},
        {"   \"Best\" offers \"now\"", "No", "\"\"", "No", "Default", "Default", "No"}};
    project.menu = {"'quoted'", model::Navigation::OnItemChange, model::LinkTarget::DifferentFrame,
                    "main", model::ButtonAlign::Bottom};
    project.button = {model::ButtonKind::Graphic, "Go!", "go.png", "80", "20", "Go there"};
    project.menuStyle = {0, "#101010", "#202020", "DejaVu Sans", "15.5", 700, 1, 2, "120", 0};
    project.buttonStyle = {0, {}, 0, 2, 0, "Liberation Serif", "11", 300, 1, 1, "60", "22", "3", 0};
    project.buttonStyle.colors = {"#A1A1A1", "#A2A2A2", "#A3A3A3", "#A4A4A4", "#A5A5A5", "#A6A6A6"};
    return project;
}

} // namespace

TEST(ProjectFileRead, RoundTripKeepsEveryFieldAndTheQuotesTheUserTyped) {
    const MenuProject project = EveryFieldSet();
    const std::string text = project::WriteProjectText(project);
    EXPECT_NE(text.find("Item 1=\"\"Sale\"\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("Item 3=   \"\"Best\" offers \"now\"\"\r\n"), std::string::npos);
    EXPECT_EQ(Read(text), project);

    const CTestFolder folder;
    EXPECT_FALSE(project::SaveProjectFile(folder / "p.qvn", project));
    EXPECT_EQ(project::LoadProjectFile(folder / "p.qvn", kBase), project);
}

// A refusal says why; the read loads nothing.
TEST(ProjectFileRead, RefusesFilesThatCannotBeApplied) {
    const std::string good = project::WriteProjectText(EveryFieldSet());
    ASSERT_TRUE(Read(good));
    // The value changed, its section, and the whole numbers it may hold (none: too large).
    const std::tuple<std::string, std::string, std::string, std::string> edits[] = {
        {"Target=2", "Target=3", "Menu Options", "-1 to 2"},
        {"Align to Button=2", "Align to Button=-2", "Menu Options", "-1 to 2"},
        {"Constrain Width=0", "Constrain Width=3", "Adv Menu Opts", "0 to 2"},
        {"Border=0", "Border=-1", "Adv Button Opts", "0 to 2"},
        {"Font Weight=700", "Font Weight=99", "Adv Menu Opts", "100 to 900"},
        {"Font Weight=300", "Font Weight=901", "Adv Button Opts", "100 to 900"},
        {"Font Weight=300", "Weight=300", "Adv Button Opts", "100 to 900"},
        {"Font Size=15.5", "Font Size=1e999", "Adv Menu Opts", ""},
        {"icount=3", "icount=1e20", "Items", ""},
        {"SelectedItem=2", "SelectedItem=9e999", "Selected", ""}};
    for (const auto& [from, to, section, range] : edits) {
        const auto equals = from.find('=');
        const std::string value =
            to.starts_with(from.substr(0, equals)) ? to.substr(equals + 1) : "";
        EXPECT_EQ(project::ReadProjectTextOrRefusal(Replaced(good, from, to), kBase).refusal,
                  '"' + from.substr(0, equals) + "\" in [" + section + "] is \"" + value + "\", " +
                      (range.empty() ? "too large a number" : "not a whole number from " + range));
    }
    EXPECT_EQ(project::ReadProjectTextOrRefusal(
                  Replaced(good, "Quorvane Project File", "quorvane project file"), kBase)
                  .refusal,
              "the first line is not \"Quorvane Project File (Do not edit manually)\"");
    EXPECT_EQ(project::ReadProjectTextOrRefusal("", kBase).refusal, "the file is empty");
    const CTestFolder folder;
    EXPECT_EQ(project::LoadProjectFileOrRefusal(folder / "gone.qvn", kBase).refusal,
              "No such file or directory");
    EXPECT_EQ(project::LoadProjectFileOrRefusal(folder.path, kBase).refusal, "Is a directory");
}

TEST(ProjectFileRead, ConvertsValuesAsTheyAreRead) {
    const std::string header = project::kProjectHeader;
    EXPECT_TRUE(Read(Replaced(FileWith(""), header, " \t\"" + header + "\", x")));
    EXPECT_TRUE(Read(Replaced(FileWith(""), "\r\n", ",x\r\n")));

    const auto empty = Read(FileWith("[Menu Options]\r\nTarget=-1\r\n"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->items.empty());
    EXPECT_EQ(empty->menu,
              (model::MenuOptions{"", model::Navigation::OnItemChange, model::LinkTarget::None, "",
                                  model::ButtonAlign::Top}));
    EXPECT_EQ(empty->button,
              (model::ButtonOptions{model::ButtonKind::Graphic, "", "", "", "", ""}));
    EXPECT_EQ(empty->menuStyle.fontSize, "0");
    EXPECT_EQ(empty->menuStyle.useSystemColors, 0);

    for (const auto& [count, items] : {std::pair{"2.5", 2u}, {"3.5", 4u}, {"-4", 0u}}) {
        const auto read = Read(FileWith("[Items]\r\nicount=" + std::string(count) +
                                        "\r\n[URLS]\r\nURL 5=e\r\nURL 4=d\r\nURL 1=a\r\n"
                                        "URL 3=c\r\nURL 2=b\r\n"));
        EXPECT_EQ(read->items.size(), items) << count;
    }
    for (const char* navigate : {"1", "word", " 0x"}) {
        const auto read =
            Read(FileWith("[Menu Options]\r\nNavigate=" + std::string(navigate) + "\r\n"));
        EXPECT_EQ(read->menu.navigation, model::Navigation::OnItemChange) << navigate;
    }
    EXPECT_EQ(Read(FileWith("[menu options]\nNavigate= 0 \n"))->menu.navigation,
              model::Navigation::OnButtonClick);
}

TEST(ProjectFileRead, RemakesItemsFromWhatTheFileHolds) {
    const std::string address(300, 'a');
    const auto read = Read(FileWith("[Items]\r\nicount=5\r\nItem 1=  Lo\xE9se\r\nITEM 1=Again\r\n"
                                    "item 2=Group\r\nItem 05=Not five\r\n"
                                    "Item 3=      Deep\r\nItem 4=Sub\r\n[URLS]\r\nURL 3=" +
                                    address +
                                    "\r\n[Linked]\r\n3=Maybe\r\n[Selected]\r\n"
                                    "SelectedItem=0 3\r\n[ItemColors]\r\nIsHeading 2=Yes\r\n"
                                    "IsHeading 4=yes\r\n"));
    ASSERT_TRUE(read);
    // "Item 05" names no item, only "Yes" makes a heading, and the file is Windows-1252.
    EXPECT_EQ(read->items,
              (std::vector<model::MenuItem>{{"Lo\xC3\xA9se", "", "", "No", "", "", ""},
                                            {"Group", "", "", "No", "", "", "Yes"},
                                            {"   Deep", "Maybe", address, "Yes", "", "", ""},
                                            {"   Sub", "", "", "No", "", "", "yes"}}));
}

TEST(ProjectFileRead, NeverFailsBadlyOnHostileBytes) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage += static_cast<char>((i * 7919) % 256);
    }
    EXPECT_FALSE(Read(garbage));
    EXPECT_FALSE(Read(std::string(project::kProjectHeader) + garbage));
    EXPECT_FALSE(Read(std::string(project::kProjectHeader)));
    const auto huge = Read(Replaced(
        FileWith("[Items]\r\nicount=" + std::string(5000, '9') + "e-5000\r\nItem 1=One\r\n"),
        "Font Weight", "Font Size=" + std::string(300, '9') + "\r\nFont Weight"));
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->items.size(), 1u);
    EXPECT_EQ(huge->menuStyle.fontSize, "1E+300");
}

TEST(ProjectFileRead, TheCountIsAClaimOnlyItemsTheFileNamesAreMade) {
    const std::string blankLines(1'000'000, '\n');
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"[Items]\r\nicount=1000000\r\n" + blankLines, {}},
        {"[Items]\r\nicount=2000000000\r\nItem 2000000000=Last\r\n", {"Last"}},
        {"[Items]\r\nicount=3\r\nItem 1=One\r\n[Linked]\r\n3=Yes\r\n", {"One", ""}},
        {"[Items]\r\nicount=2\r\nItem 3=Over\r\nItem 2=Two\r\nItem 1=One\r\n", {"One", "Two"}},
        // Lone CR line ends count as lines everywhere.
        {"[Items]\ricount=7\rItem 1=a\rItem 2=b\rItem 3=c\rItem 4=d\rItem 5=e\rItem 6=f\r"
         "Item 7=g\r",
         {"a", "b", "c", "d", "e", "f", "g"}}};
    for (const auto& [body, texts] : cases) {
        const auto read = Read(FileWith(body));
        ASSERT_TRUE(read) << body.substr(0, 40);
        std::vector<std::string> readTexts;
        for (const auto& item : read->items) {
            readTexts.push_back(item.text);
        }
        EXPECT_EQ(readTexts, texts) << body.substr(0, 40);
    }
}
