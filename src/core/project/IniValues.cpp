#include "project/IniValues.h"

#include "project/IniLines.h"

#include <algorithm>
#include <iterator>

namespace project {

void AppendIniSafe(std::string& out, std::string_view text) {
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != '\0' && c != '\r' && c != '\n'; });
}

void AppendIniValue(std::string& out, std::string_view value) {
    std::string safe;
    AppendIniSafe(safe, value);
    const std::string_view inner = TrimBlanks(safe);
    if (ReadValue(inner).size() == inner.size()) {
        out += safe;
        return;
    }
    // Blanks stay outside the quotes: leading ones are dropped on reading either way.
    const auto start = static_cast<std::size_t>(inner.data() - safe.data());
    out.append(safe, 0, start);
    out += '"';
    out += inner;
    out += '"';
    out.append(safe, start + inner.size());
}

} // namespace project
