#pragma once

#include <cstddef>

// What one import reads at most, so that no file or folder can take unbounded time or memory.
namespace importing {

inline constexpr std::size_t kMegabyte = 1024 * 1024;
// A file as stored, and a gzip file once unpacked (the largest sitemap allowed is 50 MB).
inline constexpr std::size_t kMaxFileMegabytes = 50;
inline constexpr std::size_t kMaxFileBytes = kMaxFileMegabytes * kMegabyte;
// A page of a site folder is read this far for its title.
inline constexpr std::size_t kMaxTitleBytes = kMegabyte;
inline constexpr std::size_t kMaxEntries = 50000;
inline constexpr std::size_t kMaxFolderEntries = 100000;
// The nesting depth at which libxml2 stops reading (without XML_PARSE_HUGE).
inline constexpr int kParserDepthLimit = 256;

} // namespace importing
