#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace auxwindows {

inline constexpr char kTipsFileName[] = "qvntips.txt";

// One tip per line, in file order; an empty line is a tip of its own. CR LF, LF and a lone CR
// end a line; the line end after the last tip does not start another one.
std::vector<std::string> SplitTipLines(std::string_view text);

// The tips of an ordinary file (UTF-8, or Windows-1252 from older systems); nothing when the
// path is empty or the file cannot be read.
std::optional<std::vector<std::string>> ReadTipsFile(const std::filesystem::path& path);

// Shown in place of a tip when the tips file cannot be found.
std::string MissingTipsText();

// Whether the stored "Show Tips at Startup" value asks for the tip at start-up: its value as a
// number is not 0.
bool TipsWantedAtStartup(std::string_view setting);

} // namespace auxwindows
