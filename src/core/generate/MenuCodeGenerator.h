#pragma once

#include "model/MenuProject.h"

#include <optional>
#include <string>
#include <string_view>

namespace generate {

enum class CodeTarget { Clip, File, Preview };

// "clip", "file" or "preview", compared exactly.
std::optional<CodeTarget> ParseCodeTarget(std::string_view text);

// The two blocks of generated code; every line of each ends with CR LF.
struct MenuCode {
    std::string javaScript;
    std::string html;
};

MenuCode GenerateMenuCode(const model::MenuProject& project, CodeTarget target);

} // namespace generate
