#include "cli/ImportLinks.h"

#include "cli/CommandLine.h"
#include "import/ImportSource.h"
#include "import/ImportTexts.h"
#include "import/MenuRows.h"
#include "import/SourceFile.h"
#include "project/ProjectFile.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <variant>

namespace cli {
namespace {

constexpr std::array<std::string_view, 3> kOptions = {"--import", "--base", "--output"};

int UsageError(std::ostream& err, const std::string& problem) {
    err << "quorvane: " << problem << "\nTry 'quorvane --help' for more information.\n";
    return kExitUsage;
}

// The options as given, each once, in the forms `--option value` and `--option=value`; the
// problem as text when the arguments do not fit.
std::variant<std::map<std::string, std::string>, std::string>
ParseOptions(const std::vector<std::string>& args) {
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto equals = args[i].find('=');
        const std::string option = args[i].substr(0, equals);
        if (std::find(kOptions.begin(), kOptions.end(), option) == kOptions.end()) {
            return "unexpected argument '" + args[i] + "'";
        }
        if (values.contains(option)) {
            return option + " is given twice";
        }
        if (equals != std::string::npos) {
            values[option] = args[i].substr(equals + 1);
        } else if (i + 1 < args.size()) {
            values[option] = args[++i];
        } else {
            return option + " needs a value";
        }
    }
    if (values["--import"].empty()) {
        return std::string("--import needs a source");
    }
    if (values["--output"].empty()) {
        return std::string("--import needs --output PROJECT.qvn");
    }
    return values;
}

void Tell(std::ostream& err, const std::vector<importing::ImportText>& texts) {
    for (const auto& text : texts) {
        err << text.English() << '\n';
    }
}

} // namespace

bool IsImportRequest(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& arg) {
        return arg == "--import" || arg.starts_with("--import=");
    });
}

int ImportLinks(const std::vector<std::string>& args, std::ostream& err) {
    auto parsed = ParseOptions(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        return UsageError(err, *problem);
    }
    auto& values = std::get<0>(parsed);
    const std::filesystem::path source = values["--import"];
    importing::ImportOptions options;
    // A base that names a folder is the folder a site folder's addresses are relative to.
    std::error_code error;
    if (std::filesystem::is_directory(values["--base"], error)) {
        options.baseFolder = values["--base"];
    } else {
        options.baseAddress = values["--base"];
    }
    const auto result = importing::ImportPath(source, options);
    if (result.refusal) {
        err << result.refusal->English() << '\n';
        return kExitRefused;
    }
    Tell(err, result.warnings);
    Tell(err, result.SkippedTexts());
    auto project = model::StartupProject(model::PlainStyleDefaults());
    project.items = importing::RowsForMenu(result.groups, {}, {}).rows;
    if (project.items.empty()) {
        const importing::ImportText nothing{importing::texts::kNothingFound,
                                            {importing::DisplayName(source)}};
        err << nothing.English() << '\n';
        return kExitRefused;
    }
    const std::filesystem::path output = values["--output"];
    if (const auto failure = project::SaveProjectFile(output, project)) {
        err << "quorvane: could not write " << output.string() << ": " << *failure << '\n';
        return kExitWriteFailed;
    }
    return kExitOk;
}

} // namespace cli
