#include "style/ColorValue.h"

#include <gtest/gtest.h>

using style::FilteredKey;

TEST(ColorValue, ColourNumbersAndValuesConvertRedInTheLowestByte) {
    EXPECT_EQ(style::ColorToHex(0x0000FF), "#FF0000");
    EXPECT_EQ(style::ColorToHex(0x9FAB12), "#12AB9F");
    EXPECT_EQ(style::ColorToHex(0), "#000000");
    // Only the three colour bytes count.
    EXPECT_EQ(style::ColorToHex(0x80000008), "#080000");

    // "#", a digit or a letter, then six hexadecimal digits.
    const std::pair<const char*, std::optional<style::SystemColor>> texts[] = {
        {"#12AB9F", 0x9FAB12},     {"#12ab9f", 0x9FAB12},      {"#FFFFFF", 0xFFFFFF},
        {"0FF0000", 0x0000FF},     {"zFF0000", 0x0000FF},      {"#12AB9G", std::nullopt},
        {"#12AB", std::nullopt},   {"#12AB9F0", std::nullopt}, {"", std::nullopt},
        {"-12AB9F", std::nullopt}, {" 12AB9F", std::nullopt},  {"#12 B9F", std::nullopt}};
    for (const auto& [text, colour] : texts) {
        EXPECT_EQ(style::ColorTextToSystemColor(text), colour) << text;
    }
}

TEST(ColorValue, KeyFiltersPassDigitsAndRaiseHexLetters) {
    const std::pair<int, FilteredKey> hexKeys[] = {
        {'0', {'0'}}, {'9', {'9'}},    {'F', {'F'}}, {'a', {'A'}}, {'f', {'F'}},
        {8, {8}},     {13, {0, true}}, {'#', {}},    {'g', {}},    {'G', {}},
        {' ', {}},    {'@', {}},       {'`', {}},    {9, {}},      {0x00E4, {}}};
    for (const auto& [key, filtered] : hexKeys) {
        EXPECT_EQ(style::HexDigitKey(key), filtered) << key;
    }
    for (const int key : std::initializer_list<int>{'0', '7', 8}) {
        EXPECT_EQ(style::DigitKey(key), key);
    }
    for (const int key : std::initializer_list<int>{'a', '-', '.', 13, '/', ':'}) {
        EXPECT_EQ(style::DigitKey(key), 0) << key;
    }
}
