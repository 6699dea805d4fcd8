#pragma once

#include "import/AddressResolver.h"
#include "import/ImportResult.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace importing {

// The addresses of a sitemap (<urlset>) or of the sitemaps a sitemap index names.
struct SitemapContent {
    bool index = false;
    std::vector<std::string> locations;
    std::optional<ImportText> refusal;
};

SitemapContent ReadSitemapXml(std::string_view bytes, const std::string& name);

// A sitemap read from `file` (unpacked when it was gzip-compressed), or an index whose sitemaps
// lie beside it. Entries take the title of the page when the sitemap's folder holds it,
// otherwise a text made from the address.
ImportResult ImportSitemap(const std::filesystem::path& file, std::string_view bytes,
                           AddressResolver resolver);

} // namespace importing
