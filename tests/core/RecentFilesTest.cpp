#include "project/RecentFiles.h"

#include <gtest/gtest.h>

using project::RecentList;
using project::RecentMenuCaptions;
using project::UpdateRecentFiles;

TEST(RecentFiles, ANewPathGoesFirstAndAKnownOneMovesUpAndAppearsOnce) {
    const RecentList full{"/p/1.qvn", "/p/2.qvn", "/p/3.qvn", "/p/4.qvn", "/p/5.qvn"};
    EXPECT_EQ(UpdateRecentFiles(full, 5, "/p/6.qvn"),
              (RecentList{"/p/6.qvn", "/p/1.qvn", "/p/2.qvn", "/p/3.qvn", "/p/4.qvn"}));
    EXPECT_EQ(UpdateRecentFiles(full, 5, "/p/3.qvn"),
              (RecentList{"/p/3.qvn", "/p/1.qvn", "/p/2.qvn", "/p/4.qvn", "/p/5.qvn"}));
    EXPECT_EQ(UpdateRecentFiles(full, 5, "/p/1.qvn"), full);
    // Paths are compared exactly: other letter case is another file.
    EXPECT_EQ(UpdateRecentFiles(full, 5, "/P/1.qvn"),
              (RecentList{"/P/1.qvn", "/p/1.qvn", "/p/2.qvn", "/p/3.qvn", "/p/4.qvn"}));
}

TEST(RecentFiles, OnlyTheShownEntriesMoveDownForANewPath) {
    // Position 2 has no file name, so the menu shows one entry; 3 to 5 stay where they are.
    const RecentList stored{"/p/a.qvn", "bare", "/p/c.qvn", "/p/d.qvn", "/p/e.qvn"};
    ASSERT_EQ(RecentMenuCaptions(stored).size(), 1U);
    EXPECT_EQ(UpdateRecentFiles(stored, 1, "/p/n.qvn"),
              (RecentList{"/p/n.qvn", "/p/a.qvn", "/p/c.qvn", "/p/d.qvn", "/p/e.qvn"}));
    EXPECT_EQ(UpdateRecentFiles(stored, 0, "/p/n.qvn"),
              (RecentList{"/p/n.qvn", "bare", "/p/c.qvn", "/p/d.qvn", "/p/e.qvn"}));
}

TEST(RecentFiles, CaptionsNumberTheFileNamesUpToTheFirstWithoutOne) {
    EXPECT_EQ(RecentMenuCaptions(
                  {"/home/u/menu.qvn", "C:\\work\\old.qvn", "/x/menu.qvn", "", "/y/z.qvn"}),
              (std::vector<std::string>{"&1. menu.qvn", "&2. old.qvn", "&3. menu.qvn"}));
    EXPECT_TRUE(RecentMenuCaptions({}).empty());
    EXPECT_TRUE(RecentMenuCaptions({"nofolder.qvn", "/a/b.qvn"}).empty());
}
