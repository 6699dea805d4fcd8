#pragma once

#include "project/IniLines.h"

#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace project {

// The sections a reader wants, found in one pass over a text held elsewhere: for each wanted
// name the lines of the first section of that name (a repeated section is never read).
class CSectionIndex {
  public:
    CSectionIndex(std::string_view text, std::initializer_list<std::string_view> wanted);

    // The lines below the section's name, up to the next section; empty when it is missing.
    std::string_view Body(std::string_view name) const;

  private:
    struct Section {
        std::string_view name;
        std::string_view lines;
        bool found = false;
    };
    std::vector<Section> sections;
};

// The value of the first line of `key` in a section's lines, as a read returns it; nothing when
// the key is missing.
std::optional<std::string_view> FindValue(std::string_view body, std::string_view key);

// Every key line of a section's lines, in file order; the value as stored.
template <class Visit>
void ForEachKeyLine(std::string_view body, Visit&& visit) {
    while (!body.empty()) {
        if (const auto keyLine = SplitKeyLine(TakeLine(body))) {
            visit(*keyLine);
        }
    }
}

} // namespace project
