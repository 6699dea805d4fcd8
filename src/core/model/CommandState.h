#pragma once

#include <cstddef>
#include <optional>

// Which commands of the main window can apply, from the item list and the item editor.
namespace model {

struct CommandInputs {
    std::size_t count = 0;               // rows in the item list
    std::optional<std::size_t> selected; // 0-based; nothing when no row is selected
    bool itemTextEmpty = true;           // compared with the empty text exactly
    bool linkEmpty = true;
    bool notLinked = false;
    bool heading = false;
};

struct CommandState {
    bool projectCommands = false; // save the project, copy, save and preview the code
    bool add = false;
    bool update = false;
    bool edit = false;
    bool moveUp = false;
    bool moveDown = false;
    bool remove = false;

    bool operator==(const CommandState&) const = default;
};

CommandState RefreshCommandState(const CommandInputs& inputs);

} // namespace model
