#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Whether the arguments ask for an import (`--import SOURCE` or `--import=SOURCE`).
bool IsImportRequest(const std::vector<std::string>& args);

// `--import SOURCE [--base ADDRESS|FOLDER] --output PROJECT.qvn`: writes a new project holding
// every entry the source offers ticked; returns the exit status.
int ImportLinks(const std::vector<std::string>& args, std::ostream& err);

} // namespace cli
