#pragma once

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace importing {

// The text with its letters in lower case: schemes, extensions, encodings and file names compare
// without regard to case.
inline std::string Lowercase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace importing
