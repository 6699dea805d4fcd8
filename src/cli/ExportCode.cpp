#include "cli/ExportCode.h"

#include "cli/CommandLine.h"
#include "generate/CodeOutput.h"
#include "generate/GenerateChecks.h"
#include "project/AtomicFile.h"
#include "project/ProjectFile.h"
#include "project/ProjectMessages.h"

#include <string_view>
#include <utility>
#include <vector>

namespace cli {
namespace {

using generate::CodeTarget;

// The files a target writes: the main text first, then the pages that go beside it.
std::vector<std::pair<std::string, std::string>> OutputTexts(const model::MenuProject& project,
                                                             CodeTarget target) {
    const auto code = generate::GenerateMenuCode(project, target);
    switch (target) {
    case CodeTarget::Clip:
        return {{"", code.javaScript + code.html}};
    case CodeTarget::File:
        return {{"", generate::CodeFileText(code)}};
    case CodeTarget::Preview:
        break;
    }
    // The preview page goes where the output goes; the pages of a frameset beside it.
    std::vector<std::pair<std::string, std::string>> texts;
    for (generate::PreviewFile& file : generate::PreviewFiles(code, project.menu)) {
        const bool page = std::string_view(file.name) == generate::kPreviewPageName;
        texts.emplace(page ? texts.begin() : texts.end(), page ? "" : file.name,
                      std::move(file.text));
    }
    return texts;
}

} // namespace

int ExportCode(const ExportRequest& request, std::ostream& out, std::ostream& err) {
    // Without a font list the stored font names are used as they are.
    const auto project =
        project::LoadProjectFile(request.project, model::NewProject(model::PlainStyleDefaults()));
    if (!project) {
        err << project::CouldNotLoadMessage(request.project.string()).text << '\n';
        return kExitRefused;
    }
    if (const auto failure = generate::CheckBeforeGenerate(project->menu, project->button)) {
        err << failure->message.text << '\n';
        return kExitCheckFailed;
    }
    const auto texts = OutputTexts(*project, request.target);
    if (!request.output) {
        out << texts.front().second;
        return out ? kExitOk : kExitWriteFailed;
    }
    for (const auto& [name, text] : texts) {
        const auto path = name.empty() ? *request.output : request.output->parent_path() / name;
        if (const auto error = project::WriteFileAtomically(path, text)) {
            err << "quorvane: could not write " << path.string() << ": " << *error << '\n';
            return kExitWriteFailed;
        }
    }
    return kExitOk;
}

} // namespace cli
