#include "model/MenuProject.h"

#include <gtest/gtest.h>

TEST(MenuProject, NewProjectDiffersFromStartupOnlyInNameAndBorderThickness) {
    const auto defaults = model::PlainStyleDefaults();
    const auto startup = model::StartupProject(defaults);
    auto fresh = model::NewProject(defaults);

    EXPECT_EQ(startup.menuStyle.textColor, defaults.menuTextColor);
    EXPECT_EQ(startup.buttonStyle.colors, defaults.buttonColors);

    EXPECT_EQ(fresh.menu.menuName, "");
    EXPECT_EQ(fresh.buttonStyle.borderThickness, "2");
    fresh.menu.menuName = "MyMenu";
    fresh.buttonStyle.borderThickness.clear();
    EXPECT_EQ(fresh, startup);
}
