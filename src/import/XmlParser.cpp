#include "import/XmlParser.h"

#include "import/ImportLimits.h"
#include "import/ImportTexts.h"

#include <climits>
#include <libxml/parser.h>

namespace importing {
namespace {

constexpr int kOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                         XML_PARSE_NOCDATA | XML_PARSE_COMPACT;

// What went wrong while parsing, noted by the callbacks below.
struct Trouble {
    bool entities = false;
    bool tooDeep = false;
    int firstErrorLine = 0;
};

Trouble& TroubleOf(void* context) {
    return *static_cast<Trouble*>(static_cast<xmlParserCtxtPtr>(context)->_private);
}

void RefuseEntity(void* context, const xmlChar*, int, const xmlChar*, const xmlChar*, xmlChar*) {
    TroubleOf(context).entities = true;
    xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

void RefuseUnparsedEntity(void* context, const xmlChar*, const xmlChar*, const xmlChar*,
                          const xmlChar*) {
    TroubleOf(context).entities = true;
    xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

void NoteError(void* context, xmlErrorPtr error) {
    Trouble& trouble = TroubleOf(context);
    if (error == nullptr || error->level < XML_ERR_ERROR) {
        return;
    }
    if (trouble.firstErrorLine == 0) {
        trouble.firstErrorLine = error->line;
        // libxml2 refuses to nest deeper than its limit with this internal error.
        trouble.tooDeep = error->code == XML_ERR_INTERNAL_ERROR;
    }
}

struct Attempt {
    DocPtr doc;
    Trouble trouble;
    bool wellFormed = false;
};

Attempt Parse(std::string_view bytes, const char* encoding) {
    Attempt attempt;
    xmlParserCtxtPtr context = xmlNewParserCtxt();
    if (context == nullptr) {
        return attempt;
    }
    context->_private = &attempt.trouble;
    context->sax->entityDecl = RefuseEntity;
    context->sax->unparsedEntityDecl = RefuseUnparsedEntity;
    context->sax->serror = NoteError;
    attempt.doc.reset(xmlCtxtReadMemory(context, bytes.data(), static_cast<int>(bytes.size()),
                                        nullptr, encoding, kOptions));
    attempt.wellFormed = context->wellFormed != 0;
    xmlFreeParserCtxt(context);
    return attempt;
}

} // namespace

ParsedXml ParseXml(std::string_view bytes, const std::string& name) {
    PrepareLibXml();
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return {nullptr, ImportText{texts::kNotWellFormed, {name, "1"}}};
    }
    Attempt attempt = Parse(bytes, nullptr);
    if (attempt.doc != nullptr && !attempt.trouble.entities && ReadAsWindows1252(*attempt.doc)) {
        attempt = Parse(bytes, kWindows1252);
    }
    if (attempt.trouble.entities) {
        return {nullptr, ImportText{texts::kDeclaresEntities, {name}}};
    }
    if (attempt.trouble.tooDeep) {
        return {nullptr, ImportText{texts::kXmlTooDeep, {name, std::to_string(kParserDepthLimit)}}};
    }
    if (attempt.doc == nullptr || !attempt.wellFormed) {
        const int line = attempt.trouble.firstErrorLine > 0 ? attempt.trouble.firstErrorLine : 1;
        return {nullptr, ImportText{texts::kNotWellFormed, {name, std::to_string(line)}}};
    }
    return {std::move(attempt.doc), std::nullopt};
}

} // namespace importing
