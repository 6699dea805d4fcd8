#include "cli/CommandLine.h"

int main(int argc, char** argv) {
    return cli::RunCommandLine(argc, argv);
}
