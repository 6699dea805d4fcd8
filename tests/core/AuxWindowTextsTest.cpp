#include "TestFolder.h"
#include "auxwindows/MailAddresses.h"
#include "auxwindows/TipsFile.h"

#include <array>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using Tips = std::vector<std::string>;

const std::string kMailText =
    "?subject=Check out this handy web building tool!&body=Hi. Thought you might be interested "
    "in Quorvane. Helps you build navigational menus for your web site with no programming "
    "knowledge. Get more details here: https://www.brindlecote.example/qvn.shtml.";

} // namespace

TEST(TipsFile, EveryLineOfAnOrdinaryFileIsATipEmptyOnesIncluded) {
    const CTestFolder folder;
    std::ofstream(folder / "tips.txt", std::ios::binary) << "\xEF\xBB\xBF"
                                                         << "Caf\xC3\xA9\r\n\r\n x \t\rb\n\r\nz";
    std::ofstream(folder / "old.txt", std::ios::binary) << "Caf\xE9\r\n";
    std::ofstream(folder / "empty.txt", std::ios::binary);
    EXPECT_EQ(auxwindows::ReadTipsFile(folder / "tips.txt"),
              (Tips{"Caf\xC3\xA9", "", " x \t", "b", "", "z"}));
    EXPECT_EQ(auxwindows::ReadTipsFile(folder / "old.txt"), (Tips{"Caf\xC3\xA9"}));
    EXPECT_EQ(auxwindows::ReadTipsFile(folder / "empty.txt"), Tips{});
    EXPECT_EQ(auxwindows::ReadTipsFile(folder / "missing.txt"), std::nullopt);
    EXPECT_EQ(auxwindows::ReadTipsFile(folder.path), std::nullopt);
    EXPECT_EQ(auxwindows::ReadTipsFile(""), std::nullopt);
}

TEST(TipsFile, MissingFileTextAndStartupSetting) {
    EXPECT_EQ(auxwindows::MissingTipsText(),
              "That the qvntips.txt file was not found? \r\n\r\nCreate a text file named "
              "qvntips.txt using NotePad with 1 tip per line. Then place it in the same directory "
              "as the application. ");
    for (const char* shown : {"1", "2", " 1", "-1", "1e999", "0.5"}) {
        EXPECT_TRUE(auxwindows::TipsWantedAtStartup(shown)) << shown;
    }
    for (const char* hidden : {"0", "", "no", " 0 ", "0.0"}) {
        EXPECT_FALSE(auxwindows::TipsWantedAtStartup(hidden)) << hidden;
    }
}

TEST(MailAddresses, OnlyFilledBoxesAreJoinedWithCommas) {
    // What the user typed goes in unchanged, blanks included.
    const std::array<std::string, 5> typed{"", " a@x.example", "", "b@y.example ", ""};
    EXPECT_EQ(auxwindows::TellFriendsAddress(typed),
              "mailto: a@x.example,b@y.example " + kMailText);
    EXPECT_EQ(auxwindows::TellFriendsAddress(std::array<std::string, 5>{}), "mailto:" + kMailText);
}
