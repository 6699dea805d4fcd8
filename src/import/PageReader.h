#pragma once

#include "import/AddressResolver.h"
#include "import/ImportResult.h"

#include <string>
#include <string_view>

namespace importing {

// The links of a page: each <a href> with its text (or the text of its image). Relative
// addresses are resolved against the page's own address (<base href>) or the resolver's base.
ImportResult ReadPageLinks(std::string_view bytes, const std::string& name,
                           AddressResolver resolver);

// The text of a page's <title>; empty when it has none.
std::string PageTitle(std::string_view bytes);

// Told when a page was nested deeper than libxml2 reads.
ImportText CutShortWarning(const std::string& name);

} // namespace importing
