#include "style/StyleRules.h"

#include <gtest/gtest.h>

namespace {

// "+" for each usable colour row, "-" for the others; then the opaque samples.
std::string Rows(const style::ButtonStyleAvailability& available) {
    std::string rows;
    for (const bool row : available.colorRows) {
        rows += row ? '+' : '-';
    }
    rows += ' ';
    for (const bool opaque : available.opaqueSamples) {
        rows += opaque ? '+' : '-';
    }
    return rows;
}

} // namespace

TEST(StyleRules, ButtonColourPartFollowsSystemColoursNoBorderAndSync) {
    model::ButtonStyle style; // system colours, no border, both sync boxes checked
    auto available = style::ButtonAvailability(style);
    EXPECT_EQ(Rows(available), "------ ------");
    EXPECT_FALSE(available.syncBoxes || available.noBorder || available.borderThickness);

    style.useSystemColors = 0;
    available = style::ButtonAvailability(style);
    EXPECT_EQ(Rows(available), "++---- ++----");
    EXPECT_TRUE(available.noBorder);
    EXPECT_FALSE(available.syncBoxes || available.borderThickness);

    style.noBorder = 0;
    available = style::ButtonAvailability(style);
    EXPECT_EQ(Rows(available), "+++-+- ++++++");
    EXPECT_TRUE(available.noBorder && available.syncBoxes && available.borderThickness);
    style.syncTopLeft = 0;
    EXPECT_EQ(Rows(style::ButtonAvailability(style)), "+++++- ++++++");
    style.syncRightBottom = 0;
    EXPECT_EQ(Rows(style::ButtonAvailability(style)), "++++++ ++++++");

    // With "No Border" set the border rows close whatever the sync boxes say.
    style.noBorder = 1;
    EXPECT_EQ(Rows(style::ButtonAvailability(style)), "++---- ++----");

    // Only a project file pairs system colours with a border: the border rows stay open.
    style.useSystemColors = 1;
    style.noBorder = 0;
    style.syncTopLeft = 1;
    available = style::ButtonAvailability(style);
    EXPECT_EQ(Rows(available), "--+-++ --++++");
    EXPECT_TRUE(available.borderThickness && available.syncBoxes && !available.noBorder);
}

TEST(StyleRules, ConstrainClosesTheSizesAndSystemColoursTheMenuRows) {
    model::ButtonStyle button;
    EXPECT_FALSE(style::ButtonAvailability(button).size);
    button.constrainSize = 0;
    EXPECT_TRUE(style::ButtonAvailability(button).size);

    model::MenuStyle menu;
    EXPECT_EQ(style::MenuAvailability(menu), (style::MenuStyleAvailability{false, false}));
    menu.useSystemColors = 0;
    menu.constrainWidth = 0;
    EXPECT_EQ(style::MenuAvailability(menu), (style::MenuStyleAvailability{true, true}));
}

TEST(StyleRules, SyncTiesLeftToTopAndBottomToRightOnlyWhileChecked) {
    model::ButtonStyle style;
    EXPECT_EQ(style::TiedRow(style, model::kTopBorder), model::kLeftBorder);
    EXPECT_EQ(style::TiedRow(style, model::kRightBorder), model::kBottomBorder);
    for (const int row :
         {model::kButtonText, model::kButtonFace, model::kLeftBorder, model::kBottomBorder}) {
        EXPECT_EQ(style::TiedRow(style, row), -1) << row;
    }
    style.syncTopLeft = 0;
    EXPECT_EQ(style::TiedRow(style, model::kTopBorder), -1);
    EXPECT_EQ(style::TiedRow(style, model::kRightBorder), model::kBottomBorder);
}

TEST(StyleRules, DefaultFontPrefersMsSansSerifThenGoesByPosition) {
    using style::FontMoment;
    const std::vector<std::string> fonts{"Arial", "Courier", "MS Sans Serif", "Verdana"};
    EXPECT_EQ(style::DefaultFontIndex(fonts, FontMoment::Startup), 2);
    EXPECT_EQ(style::DefaultFontIndex(fonts, FontMoment::NewProject), 2);

    const std::vector<std::string> others{"Arial", "Courier", "ms sans serif"};
    EXPECT_EQ(style::DefaultFontIndex(others, FontMoment::Startup), 1);
    EXPECT_EQ(style::DefaultFontIndex(others, FontMoment::NewProject), 0);

    EXPECT_EQ(style::DefaultFontIndex({"Arial"}, FontMoment::Startup), 0);
    EXPECT_EQ(style::DefaultFontIndex({}, FontMoment::Startup), -1);
    EXPECT_EQ(style::DefaultFontIndex({}, FontMoment::NewProject), -1);
}
