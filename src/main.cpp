#include "Application.h"
#include "cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = cli::RunHeadless(args, std::cout, std::cerr)) {
        return cli::CloseStandardOutput(*status, std::cerr);
    }
    return gui::RunApplication(argc, argv, args);
}
