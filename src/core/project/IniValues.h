#pragma once

#include <string>
#include <string_view>

namespace project {

// Appends the text with NUL, CR and LF removed, so it cannot break an INI file into extra lines.
void AppendIniSafe(std::string& out, std::string_view text);

// A value as written to a line: safe, and a value that a read would take out of its enclosing
// quotes gets one more pair, so quotes the user typed survive a save and a load.
void AppendIniValue(std::string& out, std::string_view value);

} // namespace project
