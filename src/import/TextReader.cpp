#include "import/TextReader.h"

#include "import/EntryCollector.h"

namespace importing {

ImportResult ReadTextLines(std::string_view text, AddressResolver resolver) {
    EntryCollector collector(std::move(resolver));
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.find_first_not_of(" \t\r\f\v") == std::string_view::npos) {
            continue;
        }
        auto split = line.rfind('\t');
        if (split == std::string_view::npos) {
            split = line.rfind('|');
        }
        const bool named = split != std::string_view::npos;
        if (!collector.Add(named ? line.substr(0, split) : std::string_view(),
                           named ? line.substr(split + 1) : line)) {
            break;
        }
    }
    return collector.Finish();
}

} // namespace importing
