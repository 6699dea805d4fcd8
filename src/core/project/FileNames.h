#pragma once

#include <string>
#include <string_view>

namespace project {

// The text after the last folder separator ('/' or '\'); empty when there is none.
std::string FileNameOf(std::string_view path);

// The text before the first NUL character.
std::string TruncateAtNul(std::string_view text);

} // namespace project
