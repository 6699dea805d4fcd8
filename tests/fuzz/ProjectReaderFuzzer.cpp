#include "project/ProjectFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

// Any bytes either load or are refused with a reason.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto base = model::NewProject(model::PlainStyleDefaults());
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto read = project::ReadProjectTextOrRefusal(bytes, base);
    if (read.project.has_value() == !read.refusal.empty()) {
        std::abort();
    }
    return 0;
}
