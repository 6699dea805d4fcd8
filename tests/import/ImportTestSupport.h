#pragma once

#include "import/ImportResult.h"

#include <filesystem>
#include <string>
#include <vector>

inline const std::filesystem::path kImportFiles = QUORVANE_IMPORT_FILES;

// One line an entry: "heading: text -> address", with " (unticked)" or " (duplicate)".
inline std::vector<std::string> EntryLines(const importing::ImportResult& result) {
    std::vector<std::string> lines;
    for (const auto& group : result.groups) {
        for (const auto& entry : group.entries) {
            std::string line = group.heading + ": " + entry.text + " -> " + entry.address;
            if (entry.duplicate) {
                line += " (duplicate)";
            } else if (!entry.ticked) {
                line += " (unticked)";
            }
            lines.push_back(line);
        }
    }
    return lines;
}

inline std::vector<std::string> English(const std::vector<importing::ImportText>& texts) {
    std::vector<std::string> lines;
    for (const auto& text : texts) {
        lines.push_back(text.English());
    }
    return lines;
}
