#pragma once

#include "generate/CodeOutput.h"
#include "generate/MenuCodeGenerator.h"
#include "model/MenuProject.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace cli {

struct ExportRequest {
    std::filesystem::path project;
    generate::CodeTarget target = generate::CodeTarget::Clip;
    std::optional<std::filesystem::path> output; // standard output when not given
};

// What a target writes: the main text as the pieces it is made of (the generated blocks are not
// copied), and the pages that go beside it, by name.
struct ExportTexts {
    std::vector<std::string_view> main;
    std::vector<std::pair<std::string, std::string>> beside;
};

// The texts of `target` from code generated for it; the pieces point into `code`.
ExportTexts TextsOf(const model::MenuProject& project, const generate::MenuCode& code,
                    generate::CodeTarget target);

// Reads the project, vets its options and writes the code; returns the exit status.
int ExportCode(const ExportRequest& request, std::ostream& out, std::ostream& err);

} // namespace cli
