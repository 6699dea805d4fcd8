#include "import/ParsedUri.h"

namespace importing {

ParsedUri::ParsedUri(const std::string& text) {
    const char* error = nullptr;
    ok_ = uriParseSingleUriA(&uri, text.c_str(), &error) == URI_SUCCESS;
}

ParsedUri::~ParsedUri() {
    uriFreeUriMembersA(&uri);
}

std::string RangeText(const UriTextRangeA& range) {
    if (range.first == nullptr || range.afterLast == nullptr) {
        return {};
    }
    return {range.first, static_cast<std::size_t>(range.afterLast - range.first)};
}

std::string Unescaped(std::string text) {
    uriUnescapeInPlaceExA(text.data(), URI_FALSE, URI_BR_DONT_TOUCH);
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

} // namespace importing
