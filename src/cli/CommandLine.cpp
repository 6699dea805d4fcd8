#include "cli/CommandLine.h"

#include <iostream>

namespace cli {

int RunCommandLine(int, char**) {
    std::cerr << "quorvane: the window is not built yet\n";
    return 1;
}

} // namespace cli
