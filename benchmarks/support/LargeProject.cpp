#include "LargeProject.h"

#include <string>

namespace bench {

model::MenuProject ProjectOfSize(std::int64_t count) {
    model::MenuProject project = model::NewProject(model::PlainStyleDefaults());
    for (std::int64_t n = 0; n < count; ++n) {
        model::MenuItem item;
        const std::string number = std::to_string(n);
        if (n % 10 == 0) {
            item.text = "Group " + number;
            item.heading = model::kYes;
        } else {
            item.text = std::string(model::kIndentMarker) + "Page " + number;
            item.linked = model::kYes;
            item.url = "https://example.org/pages/" + number + ".html";
            item.backColor = "#EEEEEE";
            item.textColor = "#333333";
        }
        project.items.push_back(item);
    }
    if (!project.items.empty()) {
        project.items.front().selected = model::kYes;
    }
    return project;
}

} // namespace bench
