#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace project {

// Writes to a temporary file beside `path` and renames it into place, so a failure half way
// leaves the earlier file whole. Returns the error's description on failure.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes);
// The same with the file's text given as pieces written one after the other.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::span<const std::string_view> pieces);

// Writes every piece to the open file `fd`; the error's description on failure.
std::optional<std::string> WriteToDescriptor(int fd, std::span<const std::string_view> pieces);

// The description of an error number.
std::string ErrorText(int error);

// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// The same; on failure `error` says why.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::string& error);

} // namespace project
