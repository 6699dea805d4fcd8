#include "project/NumericValue.h"

#include <climits>
#include <gtest/gtest.h>

using project::NumericText;
using project::WholeNumberValue;

TEST(NumericValue, TakesTheNumberAtTheStartAndRoundsHalvesToEven) {
    constexpr auto kRefused = std::nullopt;
    const std::pair<const char*, std::optional<std::string>> decimals[] = {
        {"", "0"},          {"12abc", "12"},     {" 1 2\t3\n4", "1234"},
        {"-1.5", "-1.5"},   {"+ 2", "2"},        {".5", "0.5"},
        {"-0", "0"},        {"12.50", "12.5"},   {"1,5", "1"},
        {"--1", "0"},       {"1.5E2", "150"},    {"1d-1", "0.1"},
        {"2e+x", "2"},      {"1e-400", "0"},     {"0e999999999999", "0"},
        {"&H1f", "31"},     {"&hFFFF", "65535"}, {"&O17", "15"},
        {"&o9", "0"},       {"&x1", "0"},        {"1e20", "1E+20"},
        {"1e400", kRefused}};
    for (const auto& [text, decimal] : decimals) {
        EXPECT_EQ(NumericText(text), decimal) << '"' << text << '"';
    }
    EXPECT_FALSE(NumericText("&H" + std::string(300, 'F')));

    const std::pair<const char*, std::optional<int>> wholes[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"0.5", 0}, {"-0.6", -1}, {"1e400", kRefused}};
    for (const auto& [text, whole] : wholes) {
        EXPECT_EQ(WholeNumberValue(text), whole) << text;
    }
    EXPECT_EQ(WholeNumberValue("2147483647.4"), INT_MAX);
    EXPECT_EQ(WholeNumberValue("-2147483648"), INT_MIN);
    EXPECT_FALSE(WholeNumberValue("2147483647.5"));
    EXPECT_FALSE(WholeNumberValue("-2147483649"));
}
