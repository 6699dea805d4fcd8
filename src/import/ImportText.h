#pragma once

#include <string>
#include <vector>

namespace importing {

// A text the user reads: one of the English constants of ImportTexts.h, with placeholders %1,
// %2 ... and their values, so that the window can translate the constant and then fill it in.
struct ImportText {
    const char* text = "";
    std::vector<std::string> args;

    // The English text with its placeholders filled in.
    std::string English() const;

    bool operator==(const ImportText& other) const {
        return std::string(text) == other.text && args == other.args;
    }
};

} // namespace importing
