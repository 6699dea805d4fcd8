#include "project/AtomicFile.h"

#include "TestFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using project::ReadWholeFile;
using project::WriteFileAtomically;

namespace {

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

TEST(AtomicFile, ReplacesTheFileWholeAndKeepsItsPermissionsAndLinks) {
    const CTestFolder folder;
    const auto path = folder / "p.qvn";
    ASSERT_FALSE(WriteFileAtomically(path, "one"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_FALSE(WriteFileAtomically(path, "two"));
    EXPECT_EQ(ReadWholeFile(path), "two");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    fs::create_symlink(path, folder / "link.qvn");
    ASSERT_FALSE(WriteFileAtomically(folder / "link.qvn", "three"));
    EXPECT_TRUE(fs::is_symlink(folder / "link.qvn"));
    EXPECT_EQ(ReadWholeFile(path), "three");
    EXPECT_EQ(EntriesIn(folder.path), 2u) << "no temporary file is left behind";
}

TEST(AtomicFile, ReportsFailuresAndLeavesWhatWasThere) {
    const CTestFolder folder;
    EXPECT_EQ(WriteFileAtomically(folder / "missing" / "p.qvn", "x"), "No such file or directory");
    fs::create_directory(folder / "taken");
    EXPECT_TRUE(WriteFileAtomically(folder / "taken", "x"));
    EXPECT_TRUE(fs::is_directory(folder / "taken"));
    EXPECT_EQ(EntriesIn(folder.path), 1u);

    EXPECT_FALSE(ReadWholeFile(folder / "missing.qvn"));
    EXPECT_FALSE(ReadWholeFile(folder / "taken"));
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(folder / "pipe")) << "a named pipe must not stall the reader";
    ASSERT_FALSE(WriteFileAtomically(folder / "empty", ""));
    EXPECT_EQ(ReadWholeFile(folder / "empty"), "");
}
