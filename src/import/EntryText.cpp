#include "import/EntryText.h"

#include "import/ParsedUri.h"

#include <cctype>

namespace importing {
namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// "our-team.html" gives "our-team": a short extension of letters is dropped.
std::string WithoutExtension(std::string name) {
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || name.size() - dot > 6) {
        return name;
    }
    for (std::size_t i = dot + 1; i < name.size(); ++i) {
        if (!std::isalpha(static_cast<unsigned char>(name[i]))) {
            return name;
        }
    }
    name.resize(dot);
    return name;
}

std::string Readable(std::string name) {
    for (char& c : name) {
        if (c == '-' || c == '_' || c == '+') {
            c = ' ';
        }
    }
    name = CollapseWhitespace(name);
    if (!name.empty()) {
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    return name;
}

} // namespace

std::string CollapseWhitespace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool blank = false;
    for (const char c : text) {
        if (IsSpace(c)) {
            blank = !out.empty();
            continue;
        }
        if (blank) {
            out += ' ';
            blank = false;
        }
        out += c;
    }
    return out;
}

std::string TextFromAddress(std::string_view address) {
    const std::string text(address);
    const ParsedUri parsed(text);
    std::string readable;
    if (parsed.Ok()) {
        const std::string scheme = RangeText(parsed.uri.scheme);
        if (scheme == "mailto" || scheme == "tel") {
            readable = Unescaped(text.substr(scheme.size() + 1));
        } else {
            std::string last;
            for (auto* segment = parsed.uri.pathHead; segment != nullptr; segment = segment->next) {
                if (const auto part = RangeText(segment->text); !part.empty()) {
                    last = part;
                }
            }
            readable = last.empty() ? Unescaped(RangeText(parsed.uri.hostText))
                                    : Readable(WithoutExtension(Unescaped(last)));
        }
    }
    readable = CollapseWhitespace(readable);
    return readable.empty() ? CollapseWhitespace(address) : readable;
}

} // namespace importing
