#pragma once

#include "import/ImportText.h"
#include "import/LibXml.h"

#include <optional>
#include <string>
#include <string_view>

namespace importing {

struct ParsedXml {
    DocPtr doc;
    std::optional<ImportText> refusal;
};

// Parses an XML file without the network and without ever loading or expanding entities: a
// document type that declares any is refused as soon as it is met. A declared ISO-8859-1 is read
// as Windows-1252. `name` names the file in a refusal.
ParsedXml ParseXml(std::string_view bytes, const std::string& name);

} // namespace importing
