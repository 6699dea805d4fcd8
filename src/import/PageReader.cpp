#include "import/PageReader.h"

#include "import/EntryCollector.h"
#include "import/HtmlParser.h"
#include "import/ImportLimits.h"
#include "import/ImportTexts.h"

namespace importing {
namespace {

bool HasAttribute(xmlNode* node, const char* name) {
    return xmlHasProp(node, reinterpret_cast<const xmlChar*>(name)) != nullptr;
}

// The alternative text of the first image inside a link that shows no text.
std::string ImageText(xmlNode* link) {
    std::string text;
    WalkElements(
        link,
        [&](xmlNode* node) {
            if (text.empty() && IsElement(node, "img")) {
                text = Attribute(node, "alt");
            }
        },
        [](xmlNode*) {});
    return text;
}

xmlNode* RootOf(const ParsedHtml& page) {
    return page.doc ? xmlDocGetRootElement(page.doc.get()) : nullptr;
}

// The first element of that name, in document order.
xmlNode* FirstElement(xmlNode* root, std::string_view name) {
    xmlNode* found = nullptr;
    WalkElements(
        root,
        [&](xmlNode* node) {
            if (found == nullptr && IsElement(node, name)) {
                found = node;
            }
        },
        [](xmlNode*) {});
    return found;
}

} // namespace

ImportText CutShortWarning(const std::string& name) {
    return {texts::kPageCutShort, {name, std::to_string(kParserDepthLimit)}};
}

ImportResult ReadPageLinks(std::string_view bytes, const std::string& name,
                           AddressResolver resolver) {
    const ParsedHtml page = ParseHtml(bytes);
    xmlNode* root = RootOf(page);
    if (xmlNode* base = FirstElement(root, "base"); base != nullptr && HasAttribute(base, "href")) {
        if (auto own = resolver.Rebased(Attribute(base, "href"))) {
            resolver = std::move(*own);
        }
    }
    EntryCollector collector(std::move(resolver));
    bool full = false;
    WalkElements(
        root,
        [&](xmlNode* node) {
            if (full || !IsElement(node, "a") || !HasAttribute(node, "href")) {
                return;
            }
            std::string text = TextOf(node);
            if (text.empty()) {
                text = ImageText(node);
            }
            full = !collector.Add(text, Attribute(node, "href"));
        },
        [](xmlNode*) {});
    if (page.cutShort) {
        collector.Warn(CutShortWarning(name));
    }
    return collector.Finish();
}

std::string PageTitle(std::string_view bytes) {
    const ParsedHtml page = ParseHtml(bytes);
    xmlNode* title = FirstElement(RootOf(page), "title");
    return title ? TextOf(title) : std::string();
}

} // namespace importing
