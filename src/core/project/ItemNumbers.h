#pragma once

#include "model/MenuProject.h"
#include "project/SectionIndex.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace project {

// The items a project file holds: the numbers, up to the file's count, that a key of the item
// sections names, in ascending order. The count is a claim: an item that no key names is not
// made, so memory follows the lines of the file, never the number it states.
class CItemNumbers {
  public:
    CItemNumbers(const CSectionIndex& sections, std::size_t count);

    std::size_t Count() const { return numbers.size(); }
    // The number the file gives the item at `index`.
    std::size_t NumberAt(std::size_t index) const { return numbers[index]; }

    // Every field of every item from the first key that names it; `items` holds Count() items.
    void ReadValues(const CSectionIndex& sections, std::vector<model::MenuItem>& items) const;

  private:
    std::size_t IndexOf(std::size_t number) const;

    std::size_t count;
    std::vector<std::uint32_t> numbers;
};

} // namespace project
