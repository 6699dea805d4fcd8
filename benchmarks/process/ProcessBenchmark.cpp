// The headless export timed as whole processes, side by side with the bare process (--version)
// and with QSettings reading the same file: time, throughput and peak memory as a user meets
// them. Each command runs several times in turn after a warm-up; medians are printed.
#include "project/ProjectFile.h"
#include "support/LargeProject.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kRuns = 7;

struct Sample {
    double seconds;
    double peakMiB;
};

// One run of the command with its output thrown away; nothing when it failed.
std::optional<Sample> RunOnce(const std::vector<std::string>& command) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, STDOUT_FILENO);
        std::vector<char*> argv;
        for (const auto& arg : command) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return Sample{elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Figures {
    std::vector<double> seconds;
    std::vector<double> peakMiB;
};

// The commands in turn, A B C A B C ..., so a drift of the machine's speed meets all alike.
std::vector<Figures> RunInTurn(const std::vector<std::vector<std::string>>& commands) {
    std::vector<Figures> figures(commands.size());
    for (int run = -1; run < kRuns; ++run) {
        for (std::size_t at = 0; at < commands.size(); ++at) {
            const auto sample = RunOnce(commands[at]);
            if (!sample) {
                std::fprintf(stderr, "failed: %s\n", commands[at].front().c_str());
                std::exit(1);
            }
            if (run >= 0) {
                figures[at].seconds.push_back(sample->seconds);
                figures[at].peakMiB.push_back(sample->peakMiB);
            }
        }
    }
    return figures;
}

fs::path ProjectPath(const fs::path& folder, std::int64_t items) {
    return folder / ("items-" + std::to_string(items) + ".qvn");
}

// Written by a child process: a forked child's peak memory counts what it inherited before its
// exec, so this process stays small.
void WriteProjects(const fs::path& folder, std::initializer_list<std::int64_t> sizes) {
    const pid_t child = ::fork();
    if (child == 0) {
        for (const auto items : sizes) {
            auto project = bench::ProjectOfSize(items);
            // A new project has no menu name, and the export checks for one.
            project.menu.menuName = "LargeMenu";
            if (project::SaveProjectFile(ProjectPath(folder, items), project)) {
                ::_exit(1);
            }
        }
        ::_exit(0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "could not write the projects in %s\n", folder.c_str());
        std::exit(1);
    }
}

} // namespace

// An optional argument names another build of the program to time.
int main(int argc, char** argv) {
    const fs::path folder =
        fs::temp_directory_path() / ("quorvane-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    WriteProjects(folder, {100000, bench::kLargeProjectItems});
    const auto large = ProjectPath(folder, 100000);
    const auto small = ProjectPath(folder, bench::kLargeProjectItems);
    const std::string exe = argc > 1 ? argv[1] : QUORVANE_EXE;
    const auto figures = RunInTurn({{exe, "--version"},
                                    {exe, "--export-code", large.string()},
                                    {exe, "--export-code", small.string()},
                                    {QSETTINGS_READ_EXE, small.string()}});
    const auto& bare = figures[0];
    const auto& exportLarge = figures[1];
    const auto& exportSmall = figures[2];
    const auto& settings = figures[3];
    std::vector<double> ratios;
    for (int run = 0; run < kRuns; ++run) {
        ratios.push_back(exportSmall.seconds[static_cast<std::size_t>(run)] /
                         settings.seconds[static_cast<std::size_t>(run)]);
    }
    const double largeMB = static_cast<double>(fs::file_size(large)) / 1e6;
    const double largeMiB = static_cast<double>(fs::file_size(large)) / (1024.0 * 1024.0);
    const double aboveBare = Median(exportLarge.peakMiB) - Median(bare.peakMiB);

    std::printf("Whole processes, median of %d runs each, in turn after a warm-up\n", kRuns);
    std::printf("%-44s %10s %12s\n", "command", "time (ms)", "peak (MiB)");
    const char* names[] = {"quorvane --version", "--export-code 100,000 items",
                           "--export-code 10,000 items", "QSettings reading the 10,000-item file"};
    for (std::size_t at = 0; at < figures.size(); ++at) {
        std::printf("%-44s %10.1f %12.1f\n", names[at], Median(figures[at].seconds) * 1000,
                    Median(figures[at].peakMiB));
    }
    std::printf("\n100,000-item export: %.1f MB in, %.0f MB/s (goal >= 200)\n", largeMB,
                largeMB / Median(exportLarge.seconds));
    std::printf("peak above the bare process: %.1f MiB = %.2f x the input (goal <= 2)\n", aboveBare,
                aboveBare / largeMiB);
    std::printf("10,000-item export / QSettings read: %.2f (goal <= 0.2)\n", Median(ratios));
    fs::remove_all(folder);
    return 0;
}
