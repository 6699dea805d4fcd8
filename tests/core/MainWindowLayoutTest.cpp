#include "layout/MainWindowLayout.h"

#include <gtest/gtest.h>

using layout::LayoutMainWindow;
using layout::OuterSize;
using layout::TwipRect;
using layout::TwipSize;

TEST(MainWindowLayout, DesignedSizeGivesTheDesignedFrameAndTheFormulaList) {
    const auto at = LayoutMainWindow(OuterSize(layout::kDesignClient));

    EXPECT_EQ(OuterSize(layout::kDesignClient), (TwipSize{8890, 7080}));
    EXPECT_EQ(at.frame2, layout::kDesignFrame2);
    EXPECT_EQ(at.list, (TwipRect{90, 180, 3385, 4655}));
    EXPECT_EQ(at.toolbar, (TwipRect{90, 4935, 3405, 450}));
    // The list area stays between the toolbar at the top and the status bar at the bottom.
    EXPECT_GE(at.frame2.top, layout::kToolbarHeight);
    EXPECT_LE(at.frame2.top + at.frame2.height,
              layout::kDesignClient.height - layout::kStatusBarHeight);
    EXPECT_LE(at.toolbar.top + at.toolbar.height, at.frame2.height);
}

TEST(MainWindowLayout, OnlyTheListAreaFollowsTheWindow) {
    const auto wide = LayoutMainWindow({12000, 9000});
    EXPECT_EQ(wide.frame2, (TwipRect{5160, 600, 12000 - 5055 - 250, 9000 - 1575}));
    EXPECT_EQ(wide.list, (TwipRect{90, 180, wide.frame2.width - 200, wide.frame2.height - 850}));
    EXPECT_EQ(wide.toolbar, (TwipRect{90, 180 + wide.list.height + 100, 3405, 450}));

    // Growing in one direction leaves the other direction alone.
    const auto taller = LayoutMainWindow({8890, 9000});
    const auto design = LayoutMainWindow({8890, 7080});
    EXPECT_EQ(taller.frame2.width, design.frame2.width);
    EXPECT_EQ(taller.list.width, design.list.width);
    EXPECT_EQ(taller.list.height - design.list.height, 9000 - 7080);
    EXPECT_EQ(taller.toolbar.top - design.toolbar.top, 9000 - 7080);
    const auto wider = LayoutMainWindow({10000, 7080});
    EXPECT_EQ(wider.frame2.height, design.frame2.height);
    EXPECT_EQ(wider.toolbar.top, design.toolbar.top);
    EXPECT_EQ(wider.list.width - design.list.width, 10000 - 8890);
}

TEST(MainWindowLayout, TinyWindowsGiveEmptyRatherThanNegativeSizes) {
    const auto tiny = LayoutMainWindow({100, 100});
    EXPECT_EQ(tiny.frame2.width, 0);
    EXPECT_EQ(tiny.frame2.height, 0);
    EXPECT_EQ(tiny.list.width, 0);
    EXPECT_EQ(tiny.list.height, 0);
    EXPECT_EQ(tiny.toolbar.top, 280);
}
