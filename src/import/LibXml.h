#pragma once

#include <libxml/tree.h>
#include <memory>
#include <string>
#include <string_view>

// What the HTML and the XML reading share over libxml2.
namespace importing {

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

// libxml2 is set up once, before the first parse of any thread.
void PrepareLibXml();

// The encoding a document declared (or libxml2 fell back to) names ISO-8859-1 or ASCII, which
// browsers read as Windows-1252.
bool ReadAsWindows1252(const xmlDoc& doc);

// libxml2's name of the encoding that a document is read again with.
inline constexpr const char* kWindows1252 = "windows-1252";

// Whether a node is an element of that name (HTML names are lower case after parsing).
bool IsElement(const xmlNode* node, std::string_view name);

// The value of an attribute; empty when it is missing.
std::string Attribute(const xmlNode* node, const char* name);

// All the text below a node, as libxml2 joins it, blanks collapsed.
std::string TextOf(const xmlNode* node);

// Visits the elements below `root` in document order without recursion: `enter` before an
// element's children, `leave` after them.
template <typename Enter, typename Leave>
void WalkElements(xmlNode* root, Enter&& enter, Leave&& leave) {
    xmlNode* node = root;
    while (node != nullptr) {
        const bool element = node->type == XML_ELEMENT_NODE;
        if (element) {
            enter(node);
        }
        if (element && node->children != nullptr) {
            node = node->children;
            continue;
        }
        // The node is done: leave it and every parent whose last child it was.
        while (true) {
            if (node->type == XML_ELEMENT_NODE) {
                leave(node);
            }
            if (node == root) {
                return;
            }
            if (node->next != nullptr) {
                node = node->next;
                break;
            }
            node = node->parent;
        }
    }
}

} // namespace importing
