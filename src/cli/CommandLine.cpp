#include "cli/CommandLine.h"

#include "cli/CommandOptions.h"
#include "cli/ExportCode.h"
#include "cli/ImportLinks.h"
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
    "       quorvane --import SOURCE [--base ADDRESS|FOLDER] --output PROJECT.qvn\n"
    "\n"
    "Without options Quorvane opens its window, with the project file when one is named.\n"
    "\n"
    "  --export-code PROJECT.qvn  write the menu code of a project without opening a window\n"
    "  --target clip              the JavaScript block, then the HTML block (the default)\n"
    "  --target file              the code file: both blocks inside <HEAD> and <BODY>\n"
    "  --target preview           the preview page; for links into another frame the frameset\n"
    "                             and the second frame page are written beside --output\n"
    "  --output PATH              write to PATH instead of standard output\n"
    "\n"
    "  --import SOURCE            write a new project (--output) from the links of SOURCE: a\n"
    "                             bookmarks file, a sitemap (.xml, .xml.gz, or an index with\n"
    "                             its sitemaps beside it), a site folder, a web page, or a\n"
    "                             text file of addresses (one a line, or TEXT<tab>ADDRESS,\n"
    "                             or TEXT | ADDRESS); every entry offered ticked is written\n"
    "  --base ADDRESS             resolve relative addresses against ADDRESS; for a site\n"
    "                             folder, the address the folder is published at\n"
    "  --base FOLDER              for a site folder: make addresses relative to FOLDER\n"
    "  --help                     show this help\n"
    "  --version                  show the version\n"
    "\n"
    "Every option that takes a value accepts it as --option VALUE or --option=VALUE.\n"
    "\n"
    "Exit status: 0 done, 1 a check of the menu options failed, 2 wrong arguments,\n"
    "3 the project file (or the source to import) could not be read (the reason follows the\n"
    "message), 4 the output could not be written or is the project file itself.\n";

} // namespace

std::optional<int> RunHeadless(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err) {
    // Without options the window opens; the other arguments are the parts of one file name.
    if (std::none_of(args.begin(), args.end(),
                     [](const std::string& arg) { return arg.starts_with("--"); })) {
        return std::nullopt;
    }
    if (IsImportRequest(args)) {
        return ImportLinks(args, err);
    }
    auto read =
        ReadOptions(args, {"--export-code", "--target", "--output"}, {"--help", "--version"});
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return UsageError(err, *problem);
    }
    const GivenOptions& given = std::get<GivenOptions>(read);
    if (given.flags.contains("--help")) {
        out << kUsage;
        return kExitOk;
    }
    if (given.flags.contains("--version")) {
        out << "Quorvane " << QUORVANE_VERSION << '\n';
        return kExitOk;
    }
    const auto valueOf = [&](std::string_view name) -> std::optional<std::string> {
        const auto found = given.values.find(name);
        return found == given.values.end() ? std::nullopt : std::optional(found->second);
    };
    const auto project = valueOf("--export-code");
    if (!project) {
        return UsageError(err, "--target and --output go with --export-code PROJECT.qvn");
    }
    if (project->empty()) {
        return UsageError(err, "--export-code needs a value");
    }
    ExportRequest request;
    request.project = *project;
    if (const auto target = valueOf("--target")) {
        const auto parsed = generate::ParseCodeTarget(*target);
        if (!parsed) {
            return UsageError(err, "--target must be clip, file or preview, not '" + *target + "'");
        }
        request.target = *parsed;
    }
    if (const auto output = valueOf("--output")) {
        if (output->empty()) {
            return UsageError(err, "--output needs a value");
        }
        request.output = *output;
    }
    return ExportCode(request, out, err);
}

int WriteFailed(std::ostream& err, const std::string& what, const std::string& error) {
    err << "quorvane: could not write " << what << ": " << error << '\n';
    return kExitWriteFailed;
}

int CloseStandardOutput(int status, std::ostream& err) {
    errno = 0;
    std::cout.flush();
    const bool failed = !std::cout || std::fflush(stdout) != 0 || ::close(STDOUT_FILENO) != 0;
    if (failed && status == kExitOk) {
        return WriteFailed(err, "to standard output", project::ErrorText(errno != 0 ? errno : EIO));
    }
    return status;
}

} // namespace cli
