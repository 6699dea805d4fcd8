#include "model/CommandState.h"

#include <gtest/gtest.h>

using model::CommandInputs;

namespace {

// "project add update edit up down delete", each "+" when enabled.
std::string States(const CommandInputs& inputs) {
    const model::CommandState state = model::RefreshCommandState(inputs);
    std::string states;
    for (const bool on : {state.projectCommands, state.add, state.update, state.edit, state.moveUp,
                          state.moveDown, state.remove}) {
        states += on ? '+' : '-';
    }
    return states;
}

} // namespace

TEST(CommandState, CommandsFollowTheListTheSelectedRowAndTheItemEditor) {
    // {rows, selected row, item text empty, link empty, "Not Linked", "Heading"}
    const std::pair<CommandInputs, const char*> cases[] = {
        // Add and Update need an item text and a link, unless no link is needed.
        {{1, 0, false, false, false, false}, "++++--+"},
        {{1, 0, true, false, false, false}, "+--+--+"},
        {{1, 0, false, true, false, false}, "+--+--+"},
        {{1, 0, false, true, true, false}, "++++--+"},
        {{1, 0, false, true, false, true}, "++++--+"},
        {{1, 0, true, true, true, true}, "+--+--+"},
        // On an empty list "Add" follows the editor alone and "Update" stays off.
        {{0, std::nullopt, false, false, false, false}, "-+-----"},
        {{0, std::nullopt, false, true, false, false}, "-------"},
        // Moves need a row to move past; without a selected row nothing can move.
        {{3, 0, true, true, false, false}, "+--+-++"},
        {{3, 1, true, true, false, false}, "+--++++"},
        {{3, 2, true, true, false, false}, "+--++-+"},
        {{3, std::nullopt, true, true, false, false}, "+--+--+"},
    };
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        EXPECT_EQ(States(cases[row].first), cases[row].second) << "case " << row;
    }
}
