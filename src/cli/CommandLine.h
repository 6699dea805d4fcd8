#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Exit statuses of the headless export.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCheckFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;
inline constexpr int kExitWriteFailed = 4;

// Runs what the arguments (without the program name) ask for without a window: the code
// export, help or version. Nothing when they ask for the window instead.
std::optional<int> RunHeadless(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err);

// Tells that `what` could not be written and why; returns kExitWriteFailed.
int WriteFailed(std::ostream& err, const std::string& what, const std::string& error);

// Flushes and closes standard output after a headless run, so a failed write (a full disk, a
// closed pipe) is reported and turns a success into kExitWriteFailed; returns the status to exit
// with.
int CloseStandardOutput(int status, std::ostream& err);

} // namespace cli
