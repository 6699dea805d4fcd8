#pragma once

#include "import/LibXml.h"

#include <string_view>

namespace importing {

struct ParsedHtml {
    DocPtr doc;
    // libxml2 stopped at its nesting depth: the rest of the page is missing.
    bool cutShort = false;
};

// Parses a page as browsers do: tag soup recovered, nothing loaded from the network, a declared
// ISO-8859-1 (or no declaration on bytes that are not UTF-8) read as Windows-1252.
ParsedHtml ParseHtml(std::string_view bytes);

} // namespace importing
