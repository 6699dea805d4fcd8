#include "cli/ImportLinks.h"

#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "import/ImportSource.h"
#include "import/ImportTexts.h"
#include "import/MenuRows.h"
#include "import/SourceFile.h"
#include "project/ProjectFile.h"

#include <algorithm>
#include <filesystem>
#include <variant>

namespace cli {
namespace {

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
    auto read = ReadOptions(args, {"--import", "--base", "--output"}, {});
    if (const auto* problem = std::get_if<std::string>(&read)) {
        return UsageError(err, *problem);
    }
    auto& values = std::get<GivenOptions>(read).values;
    if (values["--import"].empty()) {
        return UsageError(err, "--import needs a source");
    }
    if (values["--output"].empty()) {
        return UsageError(err, "--import needs --output PROJECT.qvn");
    }
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
        return WriteFailed(err, output.string(), *failure);
    }
    return kExitOk;
}

} // namespace cli
