#pragma once

#include "model/MenuProject.h"

#include <array>
#include <string>

class QPalette;

// The default colours of the style windows: the colour scheme in force when they load.
namespace style {

// Text, then background.
std::array<std::string, 2> MenuDefaultColors(const QPalette& palette);

// Text, face, then the top, left, right and bottom borders.
std::array<std::string, model::kButtonColorCount> ButtonDefaultColors(const QPalette& palette);

} // namespace style
