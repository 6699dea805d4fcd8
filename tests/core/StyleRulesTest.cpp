#include "style/StyleRules.h"

#include <gtest/gtest.h>

namespace {

// The usable colour rows, the opaque samples, then the sync boxes, "No Border" and the thickness.
std::string Availability(const model::ButtonStyle& style) {
    const auto available = style::ButtonAvailability(style);
    std::string states;
    for (const auto& row : {available.colorRows, available.opaqueSamples}) {
        for (const bool on : row) {
            states += on ? '+' : '-';
        }
        states += ' ';
    }
    for (const bool on : {available.syncBoxes, available.noBorder, available.borderThickness}) {
        states += on ? '+' : '-';
    }
    return states;
}

} // namespace

TEST(StyleRules, ButtonColourPartFollowsSystemColoursNoBorderAndSync) {
    model::ButtonStyle style; // system colours, no border, both sync boxes checked
    EXPECT_EQ(Availability(style), "------ ------ ---");
    style.useSystemColors = 0;
    EXPECT_EQ(Availability(style), "++---- ++---- -+-");
    style.noBorder = 0;
    EXPECT_EQ(Availability(style), "+++-+- ++++++ +++");
    style.syncTopLeft = 0;
    EXPECT_EQ(Availability(style), "+++++- ++++++ +++");
    EXPECT_EQ(style::TiedRow(style, model::kTopBorder), -1);
    EXPECT_EQ(style::TiedRow(style, model::kRightBorder), model::kBottomBorder);
    // A project file may pair system colours with a border: the border rows stay open.
    style.useSystemColors = 1;
    EXPECT_EQ(Availability(style), "--+++- --++++ +-+");
    EXPECT_FALSE(style::ButtonAvailability(style).size);
    style.constrainSize = 0;
    EXPECT_TRUE(style::ButtonAvailability(style).size);
}

TEST(StyleRules, MenuColoursAndWidthAreOpenOnlyWhileTheirBoxesAreClear) {
    model::MenuStyle style; // system colours, constrained width
    EXPECT_EQ(style::MenuAvailability(style), (style::MenuStyleAvailability{false, false}));
    style.useSystemColors = 0;
    style.constrainWidth = 2;
    EXPECT_EQ(style::MenuAvailability(style), (style::MenuStyleAvailability{true, false}));
    style.constrainWidth = 0;
    EXPECT_EQ(style::MenuAvailability(style), (style::MenuStyleAvailability{true, true}));
}

TEST(StyleRules, DefaultFontPrefersMsSansSerifThenGoesByPosition) {
    using style::FontMoment;
    const std::vector<std::string> fonts{"Arial", "Courier", "MS Sans Serif"};
    EXPECT_EQ(style::DefaultFontIndex(fonts, FontMoment::Startup), 2);
    EXPECT_EQ(style::DefaultFontIndex(fonts, FontMoment::NewProject), 2);
    const std::vector<std::string> others{"Arial", "Courier", "ms sans serif"};
    EXPECT_EQ(style::DefaultFontIndex(others, FontMoment::Startup), 1);
    EXPECT_EQ(style::DefaultFontIndex(others, FontMoment::NewProject), 0);
    EXPECT_EQ(style::DefaultFontIndex({"Arial"}, FontMoment::Startup), 0);
    EXPECT_EQ(style::DefaultFontIndex({}, FontMoment::Startup), -1);
}
