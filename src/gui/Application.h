#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gui {

// Starts the window; `args` are the command-line arguments after the program name. Returns 2
// without starting Qt when no display can be opened.
int RunApplication(int& argc, char** argv, const std::vector<std::string>& args);

// Whether Qt can open a display, judged from QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY.
bool DisplayAvailable(std::string_view platform, std::string_view display,
                      std::string_view waylandDisplay);

} // namespace gui
