#pragma once

#include "model/MenuProject.h"

#include <cstddef>
#include <string>
#include <vector>

// The OPTGROUP and OPTION lines of the menu list, one or two per item.
namespace generate {

void AppendEntryLines(std::string& out, const std::vector<model::MenuItem>& items);

// Room enough for the entry lines of these items, so they are written without regrowing.
std::size_t EntryLinesCapacity(const std::vector<model::MenuItem>& items);

} // namespace generate
