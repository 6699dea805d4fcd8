#include "import/HtmlParser.h"

#include "project/TextEncoding.h"

#include <climits>
#include <libxml/HTMLparser.h>

namespace importing {
namespace {

constexpr int kOptions = HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                         HTML_PARSE_NOWARNING | HTML_PARSE_COMPACT;

ParsedHtml Parse(std::string_view bytes, const char* encoding) {
    ParsedHtml parsed;
    htmlParserCtxtPtr context = htmlNewParserCtxt();
    if (context == nullptr) {
        return parsed;
    }
    parsed.doc.reset(htmlCtxtReadMemory(context, bytes.data(), static_cast<int>(bytes.size()),
                                        nullptr, encoding, kOptions));
    // libxml2 halts at its depth limit with this internal error, keeping what it had; nothing is
    // reported after a halt, so it stays the last error.
    parsed.cutShort = context->lastError.code == XML_ERR_INTERNAL_ERROR;
    htmlFreeParserCtxt(context);
    return parsed;
}

} // namespace

ParsedHtml ParseHtml(std::string_view bytes) {
    PrepareLibXml();
    // The file limit keeps pages far below what libxml2 can count.
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return {};
    }
    ParsedHtml parsed = Parse(bytes, nullptr);
    const bool undeclared = parsed.doc == nullptr || parsed.doc->encoding == nullptr;
    if ((parsed.doc != nullptr && ReadAsWindows1252(*parsed.doc)) ||
        (undeclared && !project::IsValidUtf8(bytes))) {
        parsed = Parse(bytes, kWindows1252);
    }
    return parsed;
}

} // namespace importing
