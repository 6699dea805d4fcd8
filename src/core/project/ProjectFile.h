#pragma once

#include "model/MenuProject.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The project file: a header line and the INI sections of one menu project.
namespace project {

inline constexpr const char* kProjectHeader = "Quorvane Project File (Do not edit manually)";

// The whole file, CR LF line ends, sections and keys in the order the program has always
// written them (so files compare byte for byte with older ones).
std::string WriteProjectText(const model::MenuProject& project);

// A project read, or why the file was refused, in words for the command line (the window shows
// one fixed message for every refusal).
struct ProjectOrRefusal {
    std::optional<model::MenuProject> project;
    std::string refusal;
};

// Reads a project over `base` (the new-project values). Font names come back as stored; the
// window checks them against its font list. Nothing when the file is refused.
std::optional<model::MenuProject> ReadProjectText(std::string_view bytes,
                                                  const model::MenuProject& base);
ProjectOrRefusal ReadProjectTextOrRefusal(std::string_view bytes, const model::MenuProject& base);

// Writes the file atomically; the error's description on failure.
std::optional<std::string> SaveProjectFile(const std::filesystem::path& path,
                                           const model::MenuProject& project);

// Nothing when the file is missing, unreadable or refused.
std::optional<model::MenuProject> LoadProjectFile(const std::filesystem::path& path,
                                                  const model::MenuProject& base);
ProjectOrRefusal LoadProjectFileOrRefusal(const std::filesystem::path& path,
                                          const model::MenuProject& base);

} // namespace project
