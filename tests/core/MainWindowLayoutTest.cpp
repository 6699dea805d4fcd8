#include "layout/MainWindowLayout.h"

#include <gtest/gtest.h>

using layout::ItemListLayout;
using layout::TwipSize;

TEST(MainWindowLayout, OnlyTheListAreaFollowsTheWindowAndNoSizeGoesBelowZero) {
    // At the designed size the formulas give the designed frame.
    EXPECT_EQ(layout::OuterSize(layout::kDesignClient), (TwipSize{8890, 7080}));
    const std::pair<TwipSize, ItemListLayout> windows[] = {
        {{8890, 7080}, {layout::kDesignFrame2, {90, 180, 3385, 4655}, {90, 4935, 3405, 450}}},
        {{12000, 9000}, {{5160, 600, 6695, 7425}, {90, 180, 6495, 6575}, {90, 6855, 3405, 450}}},
        {{8890, 9000}, {{5160, 600, 3585, 7425}, {90, 180, 3385, 6575}, {90, 6855, 3405, 450}}},
        {{10000, 7080}, {{5160, 600, 4695, 5505}, {90, 180, 4495, 4655}, {90, 4935, 3405, 450}}},
        {{100, 100}, {{5160, 600, 0, 0}, {90, 180, 0, 0}, {90, 280, 3405, 450}}}};
    for (const auto& [outer, expected] : windows) {
        EXPECT_EQ(layout::LayoutMainWindow(outer), expected) << outer.width << 'x' << outer.height;
    }
}
