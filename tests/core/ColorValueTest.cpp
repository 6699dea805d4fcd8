#include "style/ColorValue.h"

#include <gtest/gtest.h>

using style::FilteredKey;

TEST(ColorValue, ColourNumbersAndValuesConvertRedInTheLowestByte) {
    EXPECT_EQ(style::ColorToHex(0x9FAB12), "#12AB9F");
    EXPECT_EQ(style::ColorToHex(0x80000008), "#080000") << "only the three colour bytes count";
    // "#", a digit or a letter, then six hexadecimal digits.
    const std::pair<const char*, std::optional<style::SystemColor>> texts[] = {
        {"#12ab9f", 0x9FAB12},     {"0FF0000", 0x0000FF},     {"zFFFFFF", 0xFFFFFF},
        {"#12AB9G", std::nullopt}, {"#12AB", std::nullopt},   {"#12AB9F0", std::nullopt},
        {"", std::nullopt},        {"-12AB9F", std::nullopt}, {" 12AB9F", std::nullopt},
        {"#12 B9F", std::nullopt}};
    for (const auto& [text, colour] : texts) {
        EXPECT_EQ(style::ColorTextToSystemColor(text), colour) << text;
    }
}

TEST(ColorValue, KeyFiltersPassDigitsAndRaiseHexLetters) {
    // The key, what the colour boxes make of it, what the pixel-size boxes make of it.
    const std::tuple<int, FilteredKey, int> keys[] = {
        {'0', {'0'}, '0'}, {'9', {'9'}, '9'},  {'F', {'F'}, 0}, {'a', {'A'}, 0}, {'f', {'F'}, 0},
        {8, {8}, 8},       {13, {0, true}, 0}, {'#', {}, 0},    {'g', {}, 0},    {'G', {}, 0},
        {' ', {}, 0},      {'@', {}, 0},       {'`', {}, 0},    {9, {}, 0},      {0x00E4, {}, 0},
        {'/', {}, 0},      {':', {}, 0},       {'-', {}, 0},    {'.', {}, 0}};
    for (const auto& [key, hex, digit] : keys) {
        EXPECT_EQ(style::HexDigitKey(key), hex) << key;
        EXPECT_EQ(style::DigitKey(key), digit) << key;
    }
}
