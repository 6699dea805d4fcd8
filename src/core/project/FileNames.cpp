#include "project/FileNames.h"

namespace project {

std::string FileNameOf(std::string_view path) {
    // A bare name is the file name itself.
    const auto cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string TruncateAtNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace project
