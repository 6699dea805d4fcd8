#pragma once

#include "import/ImportResult.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace importing {

// The kinds of file a source can be; a folder is read as a site folder.
enum class SourceKind { Bookmarks, Sitemap, Page, Text };

struct ImportOptions {
    // A complete address that relative addresses are resolved against; for a site folder, the
    // address the folder is published at. Empty: relative addresses stay relative.
    std::string baseAddress;
    // For a site folder: the folder that addresses are relative to (it holds the imported one).
    std::filesystem::path baseFolder;
};

// What bytes read from `path` hold, judged by their start and then by the file's extension.
SourceKind DetectSource(const std::filesystem::path& path, std::string_view bytes);

// Reads a folder, or a file of whichever kind it is.
ImportResult ImportPath(const std::filesystem::path& path, const ImportOptions& options);

// Reads pasted lines.
ImportResult ImportPastedText(std::string_view text, const ImportOptions& options);

} // namespace importing
