#include "ImportFuzzChecks.h"
#include "import/EntryText.h"
#include "import/SitemapReader.h"
#include "import/SourceFile.h"

// A sitemap as the file reader sees it: gzip unpacked, then the XML read and every address
// resolved and given a text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto source = importing::CheckSourceBytes(std::string(BytesOf(data, size)), "fuzz");
    if (source.refusal) {
        return 0;
    }
    const auto content = importing::ReadSitemapXml(source.bytes, "fuzz");
    if (content.refusal && !content.locations.empty()) {
        std::abort();
    }
    const auto resolver = FuzzResolver();
    for (const auto& location : content.locations) {
        const auto verdict = resolver.Resolve(location);
        if (verdict.kind != importing::AddressVerdict::Kind::Skipped &&
            importing::TextFromAddress(verdict.address).empty()) {
            std::abort();
        }
    }
    return 0;
}
