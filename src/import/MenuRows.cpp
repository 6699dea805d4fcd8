#include "import/MenuRows.h"

#include "model/ItemRules.h"

#include <algorithm>

namespace importing {
namespace {

bool IsHeading(const model::MenuItem& item) {
    return item.heading == model::kYes;
}

} // namespace

MenuRows RowsForMenu(const std::vector<ImportGroup>& groups,
                     const std::vector<model::MenuItem>& list, const RowPlacement& placement) {
    MenuRows out;
    out.position = placement.after ? std::min(*placement.after + 1, list.size()) : list.size();
    const auto above = list.begin() + static_cast<std::ptrdiff_t>(out.position);
    bool headingAbove = std::any_of(list.begin(), above, IsHeading);
    bool preselect = placement.preselectFirst &&
                     std::none_of(list.begin(), list.end(), [](const model::MenuItem& item) {
                         return item.selected == model::kYes;
                     });
    for (const auto& group : groups) {
        const bool anyTicked = std::any_of(group.entries.begin(), group.entries.end(),
                                           [](const ImportEntry& entry) { return entry.ticked; });
        if (!anyTicked) {
            continue;
        }
        if (!group.heading.empty()) {
            model::ItemEditorFields heading;
            heading.text = group.heading;
            heading.heading = true;
            out.rows.push_back(model::ItemFromEditor(heading, model::ItemWrite::Add, headingAbove));
            headingAbove = true;
        }
        for (const auto& entry : group.entries) {
            if (!entry.ticked) {
                continue;
            }
            model::ItemEditorFields fields;
            fields.text = entry.text;
            fields.link = entry.address;
            auto row = model::ItemFromEditor(fields, model::ItemWrite::Add, headingAbove);
            if (preselect) {
                row.selected = model::kYes;
                preselect = false;
            }
            out.rows.push_back(std::move(row));
        }
    }
    return out;
}

} // namespace importing
