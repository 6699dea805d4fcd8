#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace project {

// Writes to a temporary file beside `path` and renames it into place, so a failure half way
// leaves the earlier file whole. Returns the error's description on failure.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path,
                                               std::string_view bytes);

// The whole file; nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

} // namespace project
