#include "GeneratorTestSupport.h"
#include "generate/CodeOutput.h"

#include <gtest/gtest.h>

using namespace testing_support;
using generate::CodeTarget;

TEST(GeneratorBlocks, ClipAndFileWriteBannersMenuAndStandardButton) {
    auto project = SampleProject(
        {Item("Home", "Yes", "index.html"), Item("About", "Yes", "about.html", "Yes")});
    project.items[1].backColor = "#FFFF00";
    project.items[1].textColor = "#000080";
    const auto file = generate::GenerateMenuCode(project, CodeTarget::File);
    EXPECT_EQ(generate::CodeFileText(file), ReferenceText("menu-code.html"));
    // The same blocks, split at the same line.
    EXPECT_EQ(generate::CodeFileText(generate::GenerateMenuCode(project, CodeTarget::Clip)),
              generate::CodeFileText(file));
}

TEST(GeneratorBlocks, PreviewAddsNoteMaximiserAndBannersAroundAFrameMenu) {
    auto project = SampleProject({Heading("Pages"), Item("   Start", "Yes", "start.html")});
    project.menu = {"Nav_2", model::Navigation::OnItemChange, model::LinkTarget::DifferentFrame,
                    "content", model::ButtonAlign::Middle};
    project.button.buttonKind = model::ButtonKind::Graphic;
    project.menuStyle = {0, "#000000", "#FFFFFF", "Verdana", "11", 700, 1, 1, "150", 1};

    std::vector<std::string> names;
    const auto code = generate::GenerateMenuCode(project, CodeTarget::Preview);
    for (const auto& [name, text] : generate::PreviewFiles(code, project.menu)) {
        EXPECT_EQ(text, ReferenceText(name)) << name;
        names.push_back(name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{generate::kSecondFramePageName, generate::kPreviewPageName,
                                        generate::kFramesetPageName}));
}

TEST(GeneratorBlocks, NavigationFollowsTheLinkTarget) {
    auto project = SampleProject({Item("Home", "Yes", "index.html")});
    const auto navigateLine = [&project] {
        return LineOf(generate::GenerateMenuCode(project, CodeTarget::Clip).javaScript, " if (");
    };
    const auto opening = " if (" + kChosen + " != \"nolink\") {";

    project.menu.linkTarget = model::LinkTarget::NewWindow;
    // A frame name is only used for a frame target.
    project.menu.frameName = "side";
    EXPECT_EQ(navigateLine(), opening + "window.open(" + kChosen + ");}");
    // Nothing chosen in the target list (possible after a load) navigates nowhere.
    project.menu.linkTarget = model::LinkTarget::None;
    EXPECT_EQ(navigateLine(), opening + "}");
}
