#include "cli/CommandLine.h"

#include "cli/ExportCode.h"
#include "cli/ImportLinks.h"

#include <algorithm>

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
    "Exit status: 0 done, 1 a check of the menu options failed, 2 wrong arguments,\n"
    "3 the project file (or the source to import) could not be read, 4 the output could not\n"
    "be written.\n";

int UsageError(std::ostream& err, const std::string& problem) {
    err << "quorvane: " << problem << "\nTry 'quorvane --help' for more information.\n";
    return kExitUsage;
}

} // namespace

std::optional<int> RunHeadless(const std::vector<std::string>& args, std::ostream& out,
                               std::ostream& err) {
    // Without options the window opens; the other arguments are the parts of one file name.
    if (std::none_of(args.begin(), args.end(),
                     [](const std::string& arg) { return arg.starts_with("--"); })) {
        return std::nullopt;
    }
    if (args.size() == 1 && args[0] == "--help") {
        out << kUsage;
        return kExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "Quorvane " << QUORVANE_VERSION << '\n';
        return kExitOk;
    }
    if (IsImportRequest(args)) {
        return ImportLinks(args, err);
    }
    if (args[0] != "--export-code") {
        return UsageError(err, "unknown option '" + args[0] + "'");
    }
    if (args.size() < 2 || args[1].starts_with("--")) {
        return UsageError(err, "--export-code needs a project file");
    }
    ExportRequest request;
    request.project = args[1];
    bool targetGiven = false;
    bool outputGiven = false;
    for (std::size_t i = 2; i < args.size(); i += 2) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            return UsageError(err, option + " needs a value");
        }
        const std::string& value = args[i + 1];
        if (option == "--target" && !targetGiven) {
            const auto target = generate::ParseCodeTarget(value);
            if (!target) {
                return UsageError(err, "--target must be clip, file or preview");
            }
            request.target = *target;
            targetGiven = true;
        } else if (option == "--output" && !outputGiven) {
            request.output = value;
            outputGiven = true;
        } else {
            return UsageError(err, "unexpected argument '" + option + "'");
        }
    }
    return ExportCode(request, out, err);
}

} // namespace cli
