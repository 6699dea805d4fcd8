#include "Application.h"

#include <iostream>

namespace gui {

int RunApplication(int&, char**, const std::vector<std::string>&) {
    std::cerr << "quorvane: the window is not built yet; use --export-code (see --help)\n";
    return 1;
}

} // namespace gui
