#include "project/NumericValue.h"

#include <gtest/gtest.h>

using project::NumericText;
using project::NumericValue;
using project::WholeNumberValue;

TEST(NumericValue, TakesTheNumberAtTheStartOfTheText) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},           {"abc", 0},   {"12abc", 12}, {" 1 2\t3\n4", 1234},
        {"-1.5", -1.5},    {"+ 2", 2},   {".5", 0.5},   {"1.5E2", 150},
        {"1d-1", 0.1},     {"2e", 2},    {"2e+x", 2},   {"&H1f", 31},
        {"&hFFFF", 65535}, {"&O17", 15}, {"&o9", 0},    {"&x1", 0},
        {"1,5", 1},        {"--1", 0},   {"1e-400", 0}, {"0.000e999999999999", 0}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(NumericValue(text), expected) << '"' << text << '"';
    }
    EXPECT_FALSE(NumericValue("1e400"));
    EXPECT_FALSE(NumericValue("&H" + std::string(300, 'F')));
}

TEST(NumericValue, RoundsToTheNearestWholeNumberWithHalvesToEven) {
    const std::pair<const char*, int> cases[] = {{"2.5", 2},
                                                 {"3.5", 4},
                                                 {"-2.5", -2},
                                                 {"0.5", 0},
                                                 {"2.51", 3},
                                                 {"-0.6", -1},
                                                 {"2147483647.4", 2147483647},
                                                 {"-2147483648", -2147483648}};
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(WholeNumberValue(text), expected) << text;
    }
    EXPECT_FALSE(WholeNumberValue("2147483647.5"));
    EXPECT_FALSE(WholeNumberValue("-2147483649"));
    EXPECT_FALSE(WholeNumberValue("1e400"));
}

TEST(NumericValue, GivesTheDecimalTextOfTheValue) {
    EXPECT_EQ(NumericText("13"), "13");
    EXPECT_EQ(NumericText(""), "0");
    EXPECT_EQ(NumericText("12.50"), "12.5");
    EXPECT_EQ(NumericText(" 1 4px"), "14");
    EXPECT_EQ(NumericText("-0"), "0");
    EXPECT_EQ(NumericText("0.1"), "0.1");
    EXPECT_EQ(NumericText("1e20"), "1E+20");
    EXPECT_FALSE(NumericText("9e999"));
}
