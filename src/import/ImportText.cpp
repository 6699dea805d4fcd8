#include "import/ImportText.h"

namespace importing {

std::string ImportText::English() const {
    std::string out;
    for (const char* c = text; *c != '\0'; ++c) {
        const char next = c[1];
        if (*c == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

} // namespace importing
