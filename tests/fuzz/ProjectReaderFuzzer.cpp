#include "project/ProjectFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes either load or are refused; a project that loads can be written and read back.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto base = model::NewProject(model::PlainStyleDefaults());
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto loaded = project::ReadProjectText(bytes, base);
    if (!loaded) {
        return 0;
    }
    const auto written = project::WriteProjectText(*loaded);
    const auto reloaded = project::ReadProjectText(written, base);
    if (!reloaded || reloaded->items.size() != loaded->items.size() ||
        project::WriteProjectText(*reloaded) != written) {
        std::abort();
    }
    return 0;
}
