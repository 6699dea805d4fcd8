#pragma once

#include "generate/MenuCodeGenerator.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace cli {

struct ExportRequest {
    std::filesystem::path project;
    generate::CodeTarget target = generate::CodeTarget::Clip;
    std::optional<std::filesystem::path> output; // standard output when not given
};

// Reads the project, vets its options and writes the code; returns the exit status.
int ExportCode(const ExportRequest& request, std::ostream& out, std::ostream& err);

} // namespace cli
