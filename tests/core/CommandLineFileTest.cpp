#include "project/CommandLineFile.h"

#include "TestFolder.h"
#include "project/ProjectMessages.h"

#include <fstream>
#include <gtest/gtest.h>

TEST(CommandLineFile, TheJoinedArgumentsNameAProjectWhenAnExistingFileEndsInQvnInAnyCase) {
    EXPECT_EQ(project::CommandLineText({}), "");
    EXPECT_EQ(project::CommandLineText({"/home/u/My", "-style", "Menu.qvn"}),
              "/home/u/My Menu.qvn");

    const CTestFolder folder;
    for (const char* name : {"upper.QVN", "a folder.qvn", "notes.txt"}) {
        std::ofstream(folder / name) << "x";
    }
    std::filesystem::create_directory(folder / "dir.qvn");
    EXPECT_TRUE(project::IsProjectCommandLine((folder / "upper.QVN").string()));
    EXPECT_TRUE(project::IsProjectCommandLine((folder / "a folder.qvn").string()));
    EXPECT_FALSE(project::IsProjectCommandLine((folder / "notes.txt").string()));
    EXPECT_FALSE(project::IsProjectCommandLine((folder / "missing.qvn").string()));
    EXPECT_FALSE(project::IsProjectCommandLine((folder / "dir.qvn").string()));
    // Quotes around the name end the text with a quote, not with "qvn".
    EXPECT_FALSE(project::IsProjectCommandLine("\"" + (folder / "a folder.qvn").string() + "\""));
    EXPECT_FALSE(project::IsProjectCommandLine("vn"));
}

// The refusal of a command line is checked by the window that shows it.
TEST(CommandLineFile, TheSaveQuestionNamesWhatReplacesTheProject) {
    EXPECT_EQ(project::SaveProjectQuestion(project::ReplacedBy::NewProject).text,
              "This menu project has been changed. Would you like to save your changes before "
              "creating a new project? (Click \"Cancel\" to go back to Quorvane.)");
    EXPECT_EQ(project::SaveProjectQuestion(project::ReplacedBy::Closing).icon,
              model::MessageIcon::Exclamation);
    EXPECT_EQ(project::SaveProjectQuestion(project::ReplacedBy::LoadedProject).title,
              "Save Project?");
}
