#pragma once

namespace cli {

// Handles the command-line options; returns the process exit status.
int RunCommandLine(int argc, char** argv);

} // namespace cli
