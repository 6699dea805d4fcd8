#pragma once

#include <string>
#include <vector>

namespace gui {

// Starts the window; `args` are the command-line arguments after the program name.
int RunApplication(int& argc, char** argv, const std::vector<std::string>& args);

} // namespace gui
