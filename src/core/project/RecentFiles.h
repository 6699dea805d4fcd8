#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The five most recently saved or loaded project files, newest at position 1 (index 0).
namespace project {

inline constexpr std::size_t kRecentCount = 5;
using RecentList = std::array<std::string, kRecentCount>;

// The menu captions "&1. name" of the stored paths, up to the first path without a file name.
std::vector<std::string> RecentMenuCaptions(const RecentList& stored);

// `path` moved or added to position 1. `shownEntries` is how many menu entries are visible: a
// new path shifts down only the stored positions the menu shows, dropping the last of them when
// all five are shown. Nothing changes when `path` already is at position 1.
RecentList UpdateRecentFiles(const RecentList& stored, std::size_t shownEntries,
                             const std::string& path);

} // namespace project
