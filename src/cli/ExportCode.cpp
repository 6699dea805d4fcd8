#include "cli/ExportCode.h"

#include "cli/CommandLine.h"
#include "cli/OutputFile.h"
#include "generate/GenerateChecks.h"
#include "project/ProjectFile.h"
#include "project/ProjectMessages.h"

#include <string_view>

namespace cli {

using generate::CodeTarget;

ExportTexts TextsOf(const model::MenuProject& project, const generate::MenuCode& code,
                    CodeTarget target) {
    switch (target) {
    case CodeTarget::Clip:
        return {{code.javaScript, code.html}, {}};
    case CodeTarget::File: {
        const auto pieces = generate::CodeFilePieces(code);
        return {{pieces.begin(), pieces.end()}, {}};
    }
    case CodeTarget::Preview:
        break;
    }
    // The preview page goes where the output goes, written from its pieces; the pages of a
    // frameset beside it.
    const auto pieces = generate::PreviewPagePieces(code);
    ExportTexts texts{{pieces.begin(), pieces.end()}, {}};
    for (generate::PreviewFile& file : generate::PreviewFiles(code, project.menu)) {
        if (std::string_view(file.name) != generate::kPreviewPageName) {
            texts.beside.emplace_back(file.name, std::move(file.text));
        }
    }
    return texts;
}

namespace {

// The files a target writes to beside the main output, main output first.
std::vector<std::filesystem::path> OutputPaths(const std::filesystem::path& output,
                                               const ExportTexts& texts) {
    std::vector<std::filesystem::path> paths{output};
    for (const auto& [name, text] : texts.beside) {
        paths.push_back(output.parent_path() / name);
    }
    return paths;
}

} // namespace

int ExportCode(const ExportRequest& request, std::ostream& out, std::ostream& err) {
    // Without a font list the stored font names are used as they are.
    const auto loaded = project::LoadProjectFileOrRefusal(
        request.project, model::NewProject(model::PlainStyleDefaults()));
    if (!loaded.project) {
        err << project::CouldNotLoadMessage(request.project.string()).Text() << '\n'
            << "quorvane: " << request.project.string() << ": " << loaded.refusal << '\n';
        return kExitRefused;
    }
    const model::MenuProject& project = *loaded.project;
    if (const auto failure = generate::CheckBeforeGenerate(project.menu, project.button)) {
        err << failure->message.text << '\n';
        return kExitCheckFailed;
    }
    const auto code = generate::GenerateMenuCode(project, request.target);
    const ExportTexts texts = TextsOf(project, code, request.target);
    if (!request.output) {
        if (const auto error = WriteToStream(out, texts.main)) {
            return WriteFailed(err, "to standard output", *error);
        }
        return kExitOk;
    }
    // The pages beside a device or a pipe would land in its folder, /dev for instance.
    if (!texts.beside.empty() && !IsFileOrNewName(*request.output)) {
        err << "quorvane: the frameset and the second frame page are written beside --output, "
               "which must then name a file\n";
        return kExitUsage;
    }
    const auto paths = OutputPaths(*request.output, texts);
    for (const auto& path : paths) {
        if (IsSameFile(path, request.project)) {
            err << "quorvane: " << path.string()
                << " is the project file itself; nothing was written\n";
            return kExitWriteFailed;
        }
    }
    if (const auto error = WriteOutputFile(paths.front(), texts.main)) {
        return WriteFailed(err, paths.front().string(), *error);
    }
    for (std::size_t page = 0; page < texts.beside.size(); ++page) {
        const std::string_view text = texts.beside[page].second;
        if (const auto error = WriteOutputFile(paths[page + 1], {&text, 1})) {
            return WriteFailed(err, paths[page + 1].string(), *error);
        }
    }
    return kExitOk;
}

} // namespace cli
