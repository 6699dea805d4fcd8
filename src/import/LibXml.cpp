#include "import/LibXml.h"

#include "import/EntryText.h"
#include "import/Lowercase.h"

#include <algorithm>
#include <array>
#include <libxml/parser.h>

namespace importing {
namespace {

// The labels browsers read as Windows-1252.
constexpr std::array<std::string_view, 16> kWindows1252Labels = {
    "ascii",           "us-ascii",    "iso-8859-1", "iso8859-1", "iso88591", "iso_8859-1",
    "latin1",          "latin-1",     "l1",         "cp819",     "ibm819",   "iso-ir-100",
    "iso_8859-1:1987", "csisolatin1", "cp1252",     "x-cp1252"};

} // namespace

void PrepareLibXml() {
    static const bool prepared = [] {
        xmlInitParser();
        return true;
    }();
    (void)prepared;
}

bool ReadAsWindows1252(const xmlDoc& doc) {
    if (doc.encoding == nullptr) {
        return false;
    }
    const std::string declared = Lowercase(reinterpret_cast<const char*>(doc.encoding));
    return std::find(kWindows1252Labels.begin(), kWindows1252Labels.end(), declared) !=
           kWindows1252Labels.end();
}

bool IsElement(const xmlNode* node, std::string_view name) {
    return node != nullptr && node->type == XML_ELEMENT_NODE && node->name != nullptr &&
           name == reinterpret_cast<const char*>(node->name);
}

std::string Attribute(const xmlNode* node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    if (value == nullptr) {
        return {};
    }
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

std::string TextOf(const xmlNode* node) {
    xmlChar* content = xmlNodeGetContent(node);
    if (content == nullptr) {
        return {};
    }
    std::string text = CollapseWhitespace(reinterpret_cast<const char*>(content));
    xmlFree(content);
    return text;
}

} // namespace importing
