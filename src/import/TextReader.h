#pragma once

#include "import/AddressResolver.h"
#include "import/ImportResult.h"

#include <string_view>

namespace importing {

// Pasted lines: an address alone, or "text, tab, address", or "text | address". Blank lines are
// passed over.
ImportResult ReadTextLines(std::string_view text, AddressResolver resolver);

} // namespace importing
