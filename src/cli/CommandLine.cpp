#include "cli/CommandLine.h"

#include "cli/ExportCode.h"
#include "project/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace cli {
namespace {

constexpr const char* kUsage =
    "Usage: quorvane [PROJECT.qvn]\n"
    "       quorvane --export-code PROJECT.qvn [--target clip|file|preview] [--output PATH]\n"
    "\n"
    "Without options Quorvane opens its window, with the project file when one is named.\n"
    "\n"
    "  --export-code PROJECT.qvn  write the menu code of a project without opening a window\n"
    "  --target clip              the JavaScript block, then the HTML block (the default)\n"
    "  --target file              the code file: both blocks inside <HEAD> and <BODY>\n"
    "  --target preview           the preview page; for links into another frame the frameset\n"
    "                             and the second frame page are written beside --output\n"
    "  --output PATH              write to PATH instead of standard output\n"
    "  --help                     show this help\n"
    "  --version                  show the version\n"
    "\n"
    "Every option that takes a value accepts it as --option VALUE or --option=VALUE.\n"
    "\n"
    "Exit status: 0 done, 1 a check of the menu options failed, 2 wrong arguments,\n"
    "3 the project file could not be loaded (the reason follows the message), 4 the output\n"
    "could not be written or is the project file itself.\n";

int UsageError(std::ostream& err, const std::string& problem) {
    err << "quorvane: " << problem << "\nTry 'quorvane --help' for more information.\n";
    return kExitUsage;
}

// The options as given; a problem found on the way is a usage error.
struct Options {
    bool help = false;
    bool version = false;
    std::optional<std::string> project;
    std::optional<std::string> target;
    std::optional<std::string> output;
};

// The option's value slot, or nothing for an option without value.
std::optional<std::string>* ValueSlot(Options& options, std::string_view name) {
    if (name == "--export-code") {
        return &options.project;
    }
    if (name == "--target") {
        return &options.target;
    }
    if (name == "--output") {
        return &options.output;
    }
    return nullptr;
}

// Reads "--option value" and "--option=value"; the problem, when there is one.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!arg.starts_with("--")) {
            return "unexpected argument '" + arg + "'";
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        auto* slot = ValueSlot(options, name);
        if (!slot) {
            if ((name == "--help" || name == "--version") && equals != std::string::npos) {
                return "option '" + name + "' takes no value";
            }
            if (name == "--help") {
                options.help = true;
            } else if (name == "--version") {
                options.version = true;
            } else {
                return "unknown option '" + name + "'";
            }
            continue;
        }
        if (slot->has_value()) {
            return "option '" + name + "' is given twice";
        }
        if (equals != std::string::npos) {
            *slot = arg.substr(equals + 1);
        } else if (i + 1 < args.size() && !args[i + 1].starts_with("--")) {
            *slot = args[++i];
        } else {
            return "option '" + name + "' needs a value" +
                   (name == "--export-code" ? ": the project file" : "");
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<int> RunHeadless(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err) {
    // Without options the window opens; the other arguments are the parts of one file name.
    if (std::none_of(args.begin(), args.end(),
                     [](const std::string& arg) { return arg.starts_with("--"); })) {
        return std::nullopt;
    }
    Options options;
    if (const auto problem = ParseOptions(args, options)) {
        return UsageError(err, *problem);
    }
    if (options.help) {
        out << kUsage;
        return kExitOk;
    }
    if (options.version) {
        out << "Quorvane " << QUORVANE_VERSION << '\n';
        return kExitOk;
    }
    if (!options.project) {
        return UsageError(err, "--target and --output go with --export-code PROJECT.qvn");
    }
    if (options.project->empty()) {
        return UsageError(err, "option '--export-code' needs a value: the project file");
    }
    ExportRequest request;
    request.project = *options.project;
    if (options.target) {
        const auto target = generate::ParseCodeTarget(*options.target);
        if (!target) {
            return UsageError(err, "--target must be clip, file or preview, not '" +
                                       *options.target + "'");
        }
        request.target = *target;
    }
    if (options.output) {
        if (options.output->empty()) {
            return UsageError(err, "option '--output' needs a value");
        }
        request.output = *options.output;
    }
    return ExportCode(request, out, err);
}

int CloseStandardOutput(int status, std::ostream& err) {
    errno = 0;
    std::cout.flush();
    const bool failed = !std::cout || std::fflush(stdout) != 0 || ::close(STDOUT_FILENO) != 0;
    if (failed && status == kExitOk) {
        err << "quorvane: could not write to standard output: "
            << project::ErrorText(errno != 0 ? errno : EIO) << '\n';
        return kExitWriteFailed;
    }
    return status;
}

} // namespace cli
