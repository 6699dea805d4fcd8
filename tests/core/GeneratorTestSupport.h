#pragma once

#include "generate/MenuCodeGenerator.h"
#include "model/MenuProject.h"
#include "project/AtomicFile.h"

#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

inline const std::string kChosen =
    "thisform.selectsite.options[thisform.selectsite.options.selectedIndex].value";

// The lines as the generator writes them: CR LF after each, the last included.
inline std::string CrLfLines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

// A text of tests/core/texts as written there, byte for byte: a whole file the program writes.
inline std::string ReferenceText(const std::string& name) {
    return project::ReadWholeFile(std::filesystem::path(__FILE__).parent_path() / "texts" / name)
        .value_or("<no reference text " + name + ">");
}

inline model::MenuItem Item(std::string text, std::string linked, std::string url,
                            std::string selected = "No") {
    return {std::move(text), std::move(linked), std::move(url), std::move(selected)};
}

inline model::MenuItem Heading(std::string text) {
    return {std::move(text),      model::kNo,           "",         model::kNo,
            model::kDefaultColor, model::kDefaultColor, model::kYes};
}

inline model::MenuProject SampleProject(std::vector<model::MenuItem> items = {}) {
    auto project = model::StartupProject(model::PlainStyleDefaults());
    project.items = std::move(items);
    return project;
}

// The whole line of the block that starts with the prefix; empty when there is none.
inline std::string LineOf(const std::string& block, const std::string& prefix) {
    const auto start = block.find("\r\n" + prefix);
    if (start == std::string::npos) {
        return {};
    }
    return block.substr(start + 2, block.find("\r\n", start + 2) - start - 2);
}

inline std::string HtmlLine(const model::MenuProject& project, const std::string& prefix) {
    return LineOf(generate::GenerateMenuCode(project, generate::CodeTarget::Clip).html, prefix);
}

} // namespace testing_support
