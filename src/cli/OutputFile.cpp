#include "cli/OutputFile.h"

#include "project/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

namespace {

bool SameIdentity(const struct stat& left, const struct stat& right) {
    return left.st_dev == right.st_dev && left.st_ino == right.st_ino;
}

// The standard stream of this process that `target` is, when it is one: written through the
// descriptor the process was given, so an output opened for appending is appended to.
std::optional<int> StandardStreamOf(const struct stat& target) {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat stream {};
        if (::fstat(fd, &stream) == 0 && SameIdentity(stream, target)) {
            return fd;
        }
    }
    return std::nullopt;
}

std::optional<std::string> WriteInPlace(const std::filesystem::path& path,
                                        std::span<const std::string_view> pieces) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return project::ErrorText(errno);
    }
    auto error = project::WriteToDescriptor(fd, pieces);
    if (::close(fd) != 0 && !error) {
        error = project::ErrorText(errno);
    }
    return error;
}

} // namespace

std::optional<std::string> WriteOutputFile(const std::filesystem::path& path,
                                           std::span<const std::string_view> pieces) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        if (errno == ENOENT) {
            return project::WriteFileAtomically(path, pieces);
        }
        return project::ErrorText(errno);
    }
    if (const auto stream = StandardStreamOf(target)) {
        return project::WriteToDescriptor(*stream, pieces);
    }
    if (S_ISREG(target.st_mode)) {
        return project::WriteFileAtomically(path, pieces);
    }
    if (S_ISDIR(target.st_mode)) {
        return project::ErrorText(EISDIR);
    }
    return WriteInPlace(path, pieces);
}

bool IsFileOrNewName(const std::filesystem::path& path) {
    struct stat target {};
    return ::stat(path.c_str(), &target) == 0 ? S_ISREG(target.st_mode) : errno == ENOENT;
}

bool IsSameFile(const std::filesystem::path& left, const std::filesystem::path& right) {
    struct stat leftFile {};
    struct stat rightFile {};
    return ::stat(left.c_str(), &leftFile) == 0 && ::stat(right.c_str(), &rightFile) == 0 &&
           SameIdentity(leftFile, rightFile);
}

std::optional<std::string> WriteToStream(std::ostream& out,
                                         std::span<const std::string_view> pieces) {
    errno = 0;
    for (const auto piece : pieces) {
        out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    }
    out.flush();
    if (out) {
        return std::nullopt;
    }
    return errno != 0 ? project::ErrorText(errno) : "the stream refused the output";
}

} // namespace cli
