#pragma once

#include "import/AddressResolver.h"
#include "import/ImportLimits.h"
#include "import/ImportResult.h"

#include <cstdlib>
#include <string_view>

// What every import result keeps, whatever the bytes: a refusal alone, or entries that each have
// a text, ticked ones an address, and no more of them than the limit.
inline void CheckImportResult(const importing::ImportResult& result) {
    std::size_t entries = 0;
    for (const auto& group : result.groups) {
        for (const auto& entry : group.entries) {
            ++entries;
            if (entry.text.empty() || (entry.ticked && entry.address.empty())) {
                std::abort();
            }
        }
    }
    if (entries > importing::kMaxEntries || (result.refusal && entries > 0)) {
        std::abort();
    }
}

// Relative addresses are resolved, so that resolving is fuzzed too.
inline importing::AddressResolver FuzzResolver() {
    return *importing::AddressResolver::WithBase("https://example.com/site/page.html");
}

inline std::string_view BytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}
