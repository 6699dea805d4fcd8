#include "project/AtomicFile.h"

#include "TestFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    ASSERT_FALSE(WriteFileAtomically(path, "two"));
    EXPECT_EQ(ReadWholeFile(path), "two");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, mode);

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

    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(folder / "pipe")) << "a named pipe must not stall the reader";
    ASSERT_FALSE(WriteFileAtomically(folder / "empty", ""));
    EXPECT_EQ(ReadWholeFile(folder / "empty"), "");
}

TEST(AtomicFile, AnInterruptedSaveLeavesTheEarlierFileByteForByte) {
    const CTestFolder folder;
    const auto path = folder / "p.qvn";
    const std::string earlier = "Quorvane Project File (Do not edit manually)\r\n[Items]\r\n";
    ASSERT_FALSE(WriteFileAtomically(path, earlier));

    // The disk fills up half way: writes past the limit fail with EFBIG.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto error = WriteFileAtomically(path, std::string(1 << 20, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(ReadWholeFile(path), earlier);
    EXPECT_EQ(EntriesIn(folder.path), 1u) << "the half-written file is removed";

    // A folder the user may not write to, tried as an ordinary user even when the tests run as
    // root (root writes anywhere).
    fs::permissions(folder.path, fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0) {
            ::_exit(2);
        }
        const bool refused = WriteFileAtomically(path, "later") == "Permission denied";
        ::_exit(refused && ReadWholeFile(path) == earlier ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadWholeFile(path), earlier);
}
