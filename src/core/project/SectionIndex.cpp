#include "project/SectionIndex.h"

namespace project {

CSectionIndex::CSectionIndex(std::string_view text,
                             std::initializer_list<std::string_view> wanted) {
    for (const std::string_view name : wanted) {
        sections.push_back(Section{name, {}});
    }
    Section* open = nullptr;
    // Only a line whose first character after blanks is '[' names a section, so the search
    // jumps from bracket to bracket instead of reading every line.
    for (std::size_t bracket = text.find('['); bracket != std::string_view::npos;
         bracket = text.find('[', bracket + 1)) {
        std::size_t lineStart = bracket;
        while (lineStart > 0 && (text[lineStart - 1] == ' ' || text[lineStart - 1] == '\t')) {
            --lineStart;
        }
        if (lineStart > 0 && text[lineStart - 1] != '\r' && text[lineStart - 1] != '\n') {
            continue;
        }
        std::string_view rest = text.substr(lineStart);
        const auto name = SectionName(TakeLine(rest));
        if (open) {
            open->lines = open->lines.substr(
                0, static_cast<std::size_t>(text.data() + lineStart - open->lines.data()));
            open = nullptr;
        }
        for (Section& section : sections) {
            if (!section.found && SameName(section.name, *name)) {
                section = Section{section.name, rest, true};
                open = &section;
                break;
            }
        }
    }
}

std::string_view CSectionIndex::Body(std::string_view name) const {
    for (const Section& section : sections) {
        if (SameName(section.name, name)) {
            return section.lines;
        }
    }
    return {};
}
std::optional<std::string_view> FindValue(std::string_view body, std::string_view key) {
    while (!body.empty()) {
        const auto keyLine = SplitKeyLine(TakeLine(body));
        if (keyLine && SameName(keyLine->key, key)) {
            return ReadValue(keyLine->value);
        }
    }
    return std::nullopt;
}

} // namespace project
