#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Building generated text piece by piece; every line ends with CR LF.
namespace generate {

inline constexpr std::string_view kLineEnd = "\r\n";

inline void Append(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (const auto piece : pieces) {
        out.append(piece);
    }
}

inline void AppendLine(std::string& out, std::initializer_list<std::string_view> pieces) {
    Append(out, pieces);
    out.append(kLineEnd);
}

} // namespace generate
