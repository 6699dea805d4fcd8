#pragma once

#include "model/MenuProject.h"
#include "project/SectionIndex.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace project {

// The items of a project file, in the order of their numbers.
struct FileItems {
    std::vector<model::MenuItem> items;
    // The number the file gives each item; empty when they are 1 to n.
    std::vector<std::uint32_t> numbers;

    std::size_t NumberAt(std::size_t index) const {
        return numbers.empty() ? index + 1 : numbers[index];
    }
};

// Reads the items a file holds: the numbers, up to the file's count, that a key of the item
// sections names, each field from the first key that names it and missing fields empty. The
// count is a claim: an item that no key names is not made, so memory follows the lines of the
// file, never the number it states.
FileItems ReadFileItems(const CSectionIndex& sections, std::size_t count);

} // namespace project
