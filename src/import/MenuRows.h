#pragma once

#include "import/ImportResult.h"
#include "model/MenuProject.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace importing {

// Where ticked entries go in an item list, and whether the first becomes the preselected item.
struct RowPlacement {
    // Inserted after this row (0-based); appended when not given.
    std::optional<std::size_t> after;
    // Honoured only when no row of the list is preselected yet.
    bool preselectFirst = false;
};

struct MenuRows {
    std::size_t position = 0; // where the first new row goes
    std::vector<model::MenuItem> rows;

    bool operator==(const MenuRows&) const = default;
};

// The rows that "Add" would make for the ticked entries: a heading row for each group with a
// ticked entry, linked entries with the indent marker when a heading stands above them (in the
// list or among the new rows), default colours, and no preselected row unless asked for.
MenuRows RowsForMenu(const std::vector<ImportGroup>& groups,
                     const std::vector<model::MenuItem>& list, const RowPlacement& placement);

} // namespace importing
