#include "Application.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return gui::RunApplication(argc, argv, args);
}
