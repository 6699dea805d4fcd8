#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers typed into project files are read the way the old Basic read them: the number at the
// start of the text, blanks anywhere ignored, anything else ending it.
namespace project {

// The number at the start of `text`: blanks, tabs and line feeds are skipped wherever they
// stand; then an optional sign, digits, a decimal point with fraction and an exponent (E or D);
// or "&H" / "&O" with a hexadecimal or octal whole number. No number at the start gives 0.
// Nothing when the number is too large to be held.
std::optional<double> NumericValue(std::string_view text);

// The numeric value rounded to the nearest whole number, halves to the even neighbour;
// nothing when it does not fit an int.
std::optional<int> WholeNumberValue(std::string_view text);

// The decimal text of the numeric value: "13" stays "13", "12.50" gives "12.5", "" gives "0".
std::optional<std::string> NumericText(std::string_view text);

} // namespace project
