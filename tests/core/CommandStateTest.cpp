#include "model/CommandState.h"

#include <gtest/gtest.h>

using model::CommandInputs;
using model::CommandState;

namespace {

CommandInputs Editor(bool textEmpty, bool linkEmpty, bool notLinked, bool heading,
                     std::size_t count = 1) {
    CommandInputs inputs;
    inputs.count = count;
    inputs.selected = count == 0 ? std::nullopt : std::optional<std::size_t>(0);
    inputs.itemTextEmpty = textEmpty;
    inputs.linkEmpty = linkEmpty;
    inputs.notLinked = notLinked;
    inputs.heading = heading;
    return inputs;
}

// "add update" as "+" and "-".
std::string Writing(const CommandInputs& inputs) {
    const CommandState state = model::RefreshCommandState(inputs);
    return std::string(state.add ? "+" : "-") + (state.update ? "+" : "-");
}

// "project edit up down delete".
std::string ListCommands(std::size_t count, std::optional<std::size_t> selected) {
    CommandInputs inputs;
    inputs.count = count;
    inputs.selected = selected;
    const CommandState state = model::RefreshCommandState(inputs);
    std::string states;
    for (const bool enabled :
         {state.projectCommands, state.edit, state.moveUp, state.moveDown, state.remove}) {
        states += enabled ? '+' : '-';
    }
    return states;
}

} // namespace

TEST(CommandState, AddAndUpdateNeedAnItemTextAndALinkUnlessNoneIsNeeded) {
    EXPECT_EQ(Writing(Editor(false, false, false, false)), "++");
    EXPECT_EQ(Writing(Editor(true, false, false, false)), "--");
    EXPECT_EQ(Writing(Editor(false, true, false, false)), "--");
    EXPECT_EQ(Writing(Editor(false, true, true, false)), "++");
    EXPECT_EQ(Writing(Editor(false, true, false, true)), "++");
    EXPECT_EQ(Writing(Editor(true, true, true, true)), "--");
    // On an empty list "Add" follows the editor alone and "Update" stays off.
    EXPECT_EQ(Writing(Editor(false, false, false, false, 0)), "+-");
    EXPECT_EQ(Writing(Editor(false, true, false, false, 0)), "--");
}

TEST(CommandState, ListCommandsFollowTheRowCountAndTheSelectedRow) {
    EXPECT_EQ(ListCommands(0, std::nullopt), "-----");
    EXPECT_EQ(ListCommands(1, 0), "++--+");
    EXPECT_EQ(ListCommands(3, 0), "++-++");
    EXPECT_EQ(ListCommands(3, 1), "+++++");
    EXPECT_EQ(ListCommands(3, 2), "+++-+");
    // Without a selected row nothing can move.
    EXPECT_EQ(ListCommands(3, std::nullopt), "++--+");
}
