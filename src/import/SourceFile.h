#pragma once

#include "import/ImportText.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace importing {

// The bytes of a file to import (a gzip file unpacked), or why it is refused: unreadable, empty,
// too large, damaged, or not text at all.
struct SourceBytes {
    std::string bytes;
    std::optional<ImportText> refusal;
};

SourceBytes ReadSourceFile(const std::filesystem::path& path);

// The same checks on bytes already read (at most kMaxFileBytes); `name` names them in a refusal.
SourceBytes CheckSourceBytes(std::string bytes, const std::string& name);

// At most the first `limit` bytes of a file; nothing when it cannot be read.
std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t limit);

// The name a message gives a file or folder: its last part.
std::string DisplayName(const std::filesystem::path& path);

} // namespace importing
