#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Where the pages of a local site lie, and the addresses they are published at.
namespace importing {

// A page file: .html, .htm or .xhtml, in any letter case.
bool IsPageFile(const std::filesystem::path& path);

// The address of a path relative to the site folder, each part escaped ("my page.html" gives
// "my%20page.html").
std::string AddressOfPath(const std::filesystem::path& relative);

// The file of `folder` that an address names by its last path part (a sitemap beside an index).
std::optional<std::filesystem::path> FileBeside(const std::filesystem::path& folder,
                                                std::string_view address);

// The page of a local site folder that an address leads to: the address's path, or the longest
// end part of it, below `folder` (a path ending in "/" leads to its index.html).
std::optional<std::filesystem::path> LocalPage(const std::filesystem::path& folder,
                                               std::string_view address);

// The title of a page file, read from its first part; empty when it has none.
std::string PageFileTitle(const std::filesystem::path& page);

} // namespace importing
