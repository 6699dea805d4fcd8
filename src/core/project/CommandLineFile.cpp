#include "project/CommandLineFile.h"

#include "model/Translatable.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace project {

std::string CommandLineText(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        if (argument.starts_with('-')) {
            continue;
        }
        if (!line.empty()) {
            line += ' ';
        }
        line += argument;
    }
    return line;
}

bool IsProjectCommandLine(std::string_view commandLine) {
    if (commandLine.size() < 3) {
        return false;
    }
    std::string ending(commandLine.substr(commandLine.size() - 3));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::error_code error;
    return ending == "qvn" &&
           std::filesystem::is_regular_file(std::filesystem::path(commandLine), error);
}

model::UserMessage CommandLineRefusedMessage(std::string_view commandLine) {
    return {TRANSLATABLE("messages", "Oops!"),
            TRANSLATABLE("messages", "\"%1\" is not a valid Quorvane Project file."),
            model::MessageIcon::Warning,
            {std::string(commandLine)}};
}

} // namespace project
