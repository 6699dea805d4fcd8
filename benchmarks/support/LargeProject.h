#pragma once

#include "model/MenuProject.h"

#include <cstdint>

namespace bench {

inline constexpr std::int64_t kLargeProjectItems = 10000;

// Groups of ten: a heading followed by nine linked, coloured items, the first item selected.
model::MenuProject ProjectOfSize(std::int64_t count);

} // namespace bench
