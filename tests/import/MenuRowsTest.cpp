#include "import/MenuRows.h"

#include <gtest/gtest.h>

using importing::ImportGroup;
using importing::RowsForMenu;
using model::MenuItem;

namespace {

MenuItem Row(std::string text, std::string url, bool heading = false, bool selected = false) {
    const auto flag = [](bool on) { return std::string(on ? model::kYes : model::kNo); };
    return {std::move(text),      flag(!heading),       std::move(url), flag(selected),
            model::kDefaultColor, model::kDefaultColor, flag(heading)};
}

const std::vector<ImportGroup> kGroups = {
    {"", {{"Home", "index.html", true, false}, {"Mail", "mailto:a@b.c", false, false}}},
    {"Work", {{"Wiki", "https://wiki/", true, false}}},
    {"Unticked", {{"Old", "old.html", false, false}}},
};

// The ticked entries as rows: "Mail" and the group of "Old" are left out.
const std::vector<MenuItem> kRows = {Row("Home", "index.html"), Row("Work", "", true),
                                     Row("   Wiki", "https://wiki/")};

} // namespace

TEST(MenuRows, TickedEntriesBecomeRowsAsAddWouldWriteThem) {
    struct Case {
        const char* name;
        std::vector<MenuItem> list;
        importing::RowPlacement placement;
        importing::MenuRows expected;
    };
    const std::vector<Case> cases = {
        {"empty list, first preselected",
         {},
         {std::nullopt, true},
         {0, {Row("Home", "index.html", false, true), kRows[1], kRows[2]}}},
        {"after a heading of the list",
         {Row("Shop", "", true), Row("   Cart", "cart.html"), Row("Last", "last.html")},
         {0, false},
         {1, {Row("   Home", "index.html"), kRows[1], kRows[2]}}},
        {"a preselected row stays the only one",
         {Row("Start", "start.html", false, true)},
         {std::nullopt, true},
         {1, kRows}},
        {"after a row past the end appends", {Row("Start", "start.html")}, {7, false}, {1, kRows}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowsForMenu(kGroups, c.list, c.placement), c.expected) << c.name;
    }
}
