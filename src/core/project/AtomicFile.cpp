#include "project/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace project {

namespace {

// A hidden name beside the target that no other writer uses; the target's name is shortened so
// that a name near the length limit still leaves room for the suffix.
std::filesystem::path TemporaryName(const std::filesystem::path& target) {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string name =
        "." + target.filename().string().substr(0, 100) + "." + std::to_string(random());
    return target.parent_path() / name;
}

// The error number of the first write that failed; 0 when all went out.
int WriteAll(int fd, std::span<const std::string_view> pieces) {
    for (std::string_view bytes : pieces) {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) {
                continue;
            }
            if (written < 0) {
                return errno;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    return 0;
}

// The rename is done when this runs; a folder that cannot be synced does not undo it.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string ErrorText(int error) {
    return std::generic_category().message(error);
}

std::optional<std::string> WriteToDescriptor(int fd, std::span<const std::string_view> pieces) {
    if (const int error = WriteAll(fd, pieces)) {
        return ErrorText(error);
    }
    return std::nullopt;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes) {
    return WriteFileAtomically(path, std::span<const std::string_view>(&bytes, 1));
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::span<const std::string_view> pieces) {
    // Saving through a link replaces the file it points to, not the link.
    std::filesystem::path target = path;
    std::error_code linkError;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, linkError))) {
        target = std::filesystem::weakly_canonical(path, linkError);
        if (linkError) {
            return linkError.message();
        }
    }
    struct stat existing {};
    const bool replaces = ::stat(target.c_str(), &existing) == 0;

    std::filesystem::path temporary;
    int fd = -1;
    while (fd < 0) {
        temporary = TemporaryName(target);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return ErrorText(errno);
        }
    }
    int error =
        replaces && ::fchmod(fd, existing.st_mode & 07777) != 0 ? errno : WriteAll(fd, pieces);
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    bool ok = error == 0;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return ErrorText(error);
    }
    SyncFolder(target.parent_path());
    return std::nullopt;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    std::string ignored;
    return ReadWholeFile(path, ignored);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& error) {
    // Non-blocking, so a named pipe cannot stall the reader; only ordinary files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = ErrorText(errno);
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) != 0) {
        error = ErrorText(errno);
    } else if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? ErrorText(EISDIR) : "not an ordinary file";
    } else {
        // Read straight into one buffer of the file's size and one byte more, so the read that
        // finds the end needs no larger buffer; a file that grows meanwhile is read to its end.
        bytes.emplace(static_cast<std::size_t>(info.st_size) + 1, '\0');
        std::size_t filled = 0;
        for (;;) {
            if (filled == bytes->size()) {
                bytes->resize(filled + 65536);
            }
            const ssize_t count = ::read(fd, bytes->data() + filled, bytes->size() - filled);
            if (count < 0 && errno == EINTR) {
                continue;
            }
            if (count < 0) {
                error = ErrorText(errno);
                bytes.reset();
                break;
            }
            if (count == 0) {
                bytes->resize(filled);
                break;
            }
            filled += static_cast<std::size_t>(count);
        }
    }
    ::close(fd);
    return bytes;
}

} // namespace project
