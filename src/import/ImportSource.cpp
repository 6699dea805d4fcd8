#include "import/ImportSource.h"

#include "import/BookmarksReader.h"
#include "import/ImportTexts.h"
#include "import/Lowercase.h"
#include "import/PageReader.h"
#include "import/SiteFiles.h"
#include "import/SiteFolderReader.h"
#include "import/SitemapReader.h"
#include "import/SourceFile.h"
#include "import/TextReader.h"
#include "project/TextEncoding.h"

#include <optional>

namespace importing {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSniffBytes = 1024;

// The resolver the options ask for; nothing when the base address is not complete.
std::optional<AddressResolver> ResolverFor(std::string base) {
    if (base.empty()) {
        return AddressResolver();
    }
    return AddressResolver::WithBase(base);
}

ImportResult BadBase(const ImportOptions& options) {
    return Refused({texts::kBadBase, {options.baseAddress}});
}

} // namespace

SourceKind DetectSource(const fs::path& path, std::string_view bytes) {
    const std::string start = Lowercase(bytes.substr(0, kSniffBytes));
    const std::string extension = Lowercase(path.extension().string());
    if (start.find("<!doctype netscape-bookmark-file") != std::string::npos) {
        return SourceKind::Bookmarks;
    }
    if (start.find("<urlset") != std::string::npos ||
        start.find("<sitemapindex") != std::string::npos || extension == ".xml" ||
        extension == ".gz") {
        return SourceKind::Sitemap;
    }
    const auto first = start.find_first_not_of(" \t\r\n\f\xEF\xBB\xBF");
    if (IsPageFile(path) || (first != std::string::npos && start[first] == '<')) {
        return SourceKind::Page;
    }
    return SourceKind::Text;
}

ImportResult ImportPath(const fs::path& path, const ImportOptions& options) {
    std::error_code error;
    const bool folder = fs::is_directory(path, error);
    std::string base = options.baseAddress;
    // The site address names a folder, whether or not it ends in a slash.
    if (folder && !base.empty() && base.back() != '/') {
        base += '/';
    }
    auto resolver = ResolverFor(base);
    if (!resolver) {
        return BadBase(options);
    }
    if (folder) {
        return ImportSiteFolder(path, options.baseFolder, std::move(*resolver));
    }
    const SourceBytes source = ReadSourceFile(path);
    if (source.refusal) {
        return Refused(*source.refusal);
    }
    const std::string name = DisplayName(path);
    switch (DetectSource(path, source.bytes)) {
    case SourceKind::Bookmarks:
        return ReadBookmarks(source.bytes, name, std::move(*resolver));
    case SourceKind::Sitemap:
        return ImportSitemap(path, source.bytes, std::move(*resolver));
    case SourceKind::Page:
        return ReadPageLinks(source.bytes, name, std::move(*resolver));
    case SourceKind::Text:
        break;
    }
    return ReadTextLines(project::DecodeText(source.bytes), std::move(*resolver));
}

ImportResult ImportPastedText(std::string_view text, const ImportOptions& options) {
    auto resolver = ResolverFor(options.baseAddress);
    return resolver ? ReadTextLines(text, std::move(*resolver)) : BadBase(options);
}

} // namespace importing
