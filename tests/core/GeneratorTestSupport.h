#pragma once

#include "generate/MenuCodeGenerator.h"
#include "model/MenuProject.h"

#include <initializer_list>
#include <string>
#include <utility>

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

inline model::MenuItem Item(std::string text, std::string linked, std::string url,
                            std::string selected = "No") {
    model::MenuItem item;
    item.text = std::move(text);
    item.linked = std::move(linked);
    item.url = std::move(url);
    item.selected = std::move(selected);
    return item;
}

inline model::MenuItem Heading(std::string text) {
    model::MenuItem item;
    item.text = std::move(text);
    item.heading = "Yes";
    return item;
}

inline model::MenuProject SampleProject() {
    return model::StartupProject(model::PlainStyleDefaults());
}

// The whole line of the HTML block that starts with the prefix; empty when there is none.
inline std::string HtmlLine(const model::MenuProject& project, const std::string& prefix) {
    const auto html = generate::GenerateMenuCode(project, generate::CodeTarget::Clip).html;
    const auto start = html.find("\r\n" + prefix);
    if (start == std::string::npos) {
        return {};
    }
    return html.substr(start + 2, html.find("\r\n", start + 2) - start - 2);
}

} // namespace testing_support
