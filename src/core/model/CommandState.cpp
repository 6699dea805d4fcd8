#include "model/CommandState.h"

namespace model {

CommandState RefreshCommandState(const CommandInputs& inputs) {
    CommandState state;
    const bool hasRows = inputs.count >= 1;
    state.projectCommands = hasRows;
    // A link is needed unless the item is a heading or not linked.
    const bool blocked =
        inputs.itemTextEmpty || (inputs.linkEmpty && !inputs.notLinked && !inputs.heading);
    state.add = !blocked;
    state.update = !blocked && hasRows;
    state.edit = hasRows;
    state.remove = hasRows;
    if (inputs.selected && inputs.count > 1) {
        state.moveUp = *inputs.selected != 0;
        state.moveDown = *inputs.selected + 1 != inputs.count;
    }
    return state;
}

} // namespace model
