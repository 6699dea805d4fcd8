#include "style/ColorValue.h"

#include <gtest/gtest.h>

using style::FilteredKey;

TEST(ColorValue, ColourNumbersAndValuesConvertRedInTheLowestByte) {
    EXPECT_EQ(style::ColorToHex(0x0000FF), "#FF0000");
    EXPECT_EQ(style::ColorToHex(0x9FAB12), "#12AB9F");
    EXPECT_EQ(style::ColorToHex(0), "#000000");
    // Only the three colour bytes count.
    EXPECT_EQ(style::ColorToHex(0x80000008), "#080000");

    EXPECT_EQ(style::ColorTextToSystemColor("#12AB9F"), 0x9FAB12u);
    EXPECT_EQ(style::ColorTextToSystemColor("#12ab9f"), 0x9FAB12u);
    EXPECT_EQ(style::ColorTextToSystemColor("#FFFFFF"), 0xFFFFFFu);
    EXPECT_EQ(style::ColorTextToSystemColor("0FF0000"), 0x0000FFu);
    EXPECT_EQ(style::ColorTextToSystemColor("zFF0000"), 0x0000FFu);
}

TEST(ColorValue, TextsThatAreNoColourValueGiveNothing) {
    EXPECT_EQ(style::ColorTextToSystemColor("#12AB9G"), std::nullopt);
    EXPECT_EQ(style::ColorTextToSystemColor("#12AB"), std::nullopt);
    EXPECT_EQ(style::ColorTextToSystemColor("#12AB9F0"), std::nullopt);
    EXPECT_EQ(style::ColorTextToSystemColor(""), std::nullopt);
    EXPECT_EQ(style::ColorTextToSystemColor("-12AB9F"), std::nullopt);
    EXPECT_EQ(style::ColorTextToSystemColor(" 12AB9F"), std::nullopt);
    EXPECT_EQ(style::ColorTextToSystemColor("#12 B9F"), std::nullopt);
}

TEST(ColorValue, KeyFiltersPassDigitsAndRaiseHexLetters) {
    EXPECT_EQ(style::HexDigitKey('0'), (FilteredKey{'0', false}));
    EXPECT_EQ(style::HexDigitKey('9'), (FilteredKey{'9', false}));
    EXPECT_EQ(style::HexDigitKey('F'), (FilteredKey{'F', false}));
    EXPECT_EQ(style::HexDigitKey('a'), (FilteredKey{'A', false}));
    EXPECT_EQ(style::HexDigitKey('f'), (FilteredKey{'F', false}));
    EXPECT_EQ(style::HexDigitKey(8), (FilteredKey{8, false}));
    EXPECT_EQ(style::HexDigitKey(13), (FilteredKey{0, true}));
    for (const int key : std::initializer_list<int>{'#', 'g', 'G', ' ', '@', '`', 9, 0x00E4}) {
        EXPECT_EQ(style::HexDigitKey(key), FilteredKey{}) << key;
    }

    EXPECT_EQ(style::DigitKey('0'), '0');
    EXPECT_EQ(style::DigitKey('7'), '7');
    EXPECT_EQ(style::DigitKey(8), 8);
    for (const int key : std::initializer_list<int>{'a', '-', '.', 13, '/', ':'}) {
        EXPECT_EQ(style::DigitKey(key), 0) << key;
    }
}
