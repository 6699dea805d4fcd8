#include "project/FileNames.h"

namespace project {

std::string FileNameOf(std::string_view path) {
    const auto cut = path.find_last_of("/\\");
    if (cut == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(cut + 1));
}

std::string TruncateAtNul(std::string_view text) {
    return std::string(text.substr(0, text.find('\0')));
}

} // namespace project
