#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

// Where the headless export writes its code.
namespace cli {

// Writes the pieces one after the other to `path`. A regular file, or a name that does not exist
// yet, is replaced atomically, so a failure leaves the earlier file whole. Anything else (a
// device, a named pipe, this process's own standard output or error reached by name) is opened
// and written in place, as cp does: it is never replaced by a file. The error's description on
// failure.
std::optional<std::string> WriteOutputFile(const std::filesystem::path& path,
                                           std::span<const std::string_view> pieces);

// Whether `path` names a regular file or nothing yet: where files may be written beside it.
bool IsFileOrNewName(const std::filesystem::path& path);

// Whether both names lead to one file, through links and hard links; false when either is
// missing.
bool IsSameFile(const std::filesystem::path& left, const std::filesystem::path& right);

// Writes the pieces to `out` and flushes it; the error's description when the stream failed.
std::optional<std::string> WriteToStream(std::ostream& out,
                                         std::span<const std::string_view> pieces);

} // namespace cli
