#include "cli/ExportCode.h"
#include "generate/GenerateChecks.h"
#include "project/ProjectFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// The whole headless export of any bytes: read, the checks, and the texts of every target.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto base = model::NewProject(model::PlainStyleDefaults());
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto project = project::ReadProjectText(bytes, base);
    if (!project || generate::CheckBeforeGenerate(project->menu, project->button)) {
        return 0;
    }
    for (const auto target :
         {generate::CodeTarget::Clip, generate::CodeTarget::File, generate::CodeTarget::Preview}) {
        const auto code = generate::GenerateMenuCode(*project, target);
        const auto texts = cli::TextsOf(*project, code, target);
        std::size_t written = 0;
        for (const auto piece : texts.main) {
            written += piece.size();
        }
        if (written < code.javaScript.size() + code.html.size()) {
            std::abort();
        }
    }
    return 0;
}
