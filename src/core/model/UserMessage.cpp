#include "model/UserMessage.h"

namespace model {

std::string UserMessage::Text() const {
    return FilledIn(text, arguments);
}

// One pass, so that an argument holding "%2" stays as it is.
std::string FilledIn(std::string_view text, const std::vector<std::string>& arguments) {
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        if (text[at] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < arguments.size()) {
            out += arguments[static_cast<std::size_t>(next - '1')];
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

} // namespace model
