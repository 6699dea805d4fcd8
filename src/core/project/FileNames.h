#pragma once

#include <string>
#include <string_view>

namespace project {

// The text after the last folder separator ('/', or '\' in names from Windows); the whole
// text when there is none.
std::string FileNameOf(std::string_view path);

// The text before the first NUL character.
std::string TruncateAtNul(std::string_view text);

} // namespace project
