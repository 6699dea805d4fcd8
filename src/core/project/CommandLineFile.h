#pragma once

#include "model/UserMessage.h"

#include <string>
#include <string_view>
#include <vector>

// A project file named when the program starts.
namespace project {

// The arguments that are no options, joined by single spaces: a path with blanks arrives whole
// even when the caller split it.
std::string CommandLineText(const std::vector<std::string>& arguments);

// Whether the command line names a project to load: its last three characters, in any letter
// case, are "qvn" and an ordinary file of that name exists.
bool IsProjectCommandLine(std::string_view commandLine);

// Told when the command line names no project file.
model::UserMessage CommandLineRefusedMessage(std::string_view commandLine);

} // namespace project
