#include "import/SiteFiles.h"

#include "import/ImportLimits.h"
#include "import/Lowercase.h"
#include "import/PageReader.h"
#include "import/ParsedUri.h"
#include "import/SourceFile.h"

#include <uriparser/Uri.h>
#include <vector>

namespace importing {
namespace {

namespace fs = std::filesystem;

// The unescaped parts of an address's path, at least one; nothing when a part could leave the
// folder.
std::optional<std::vector<std::string>> PathParts(std::string_view address) {
    const std::string text(address);
    const ParsedUri parsed(text);
    if (!parsed.Ok()) {
        return std::nullopt;
    }
    std::vector<std::string> parts;
    for (auto* segment = parsed.uri.pathHead; segment != nullptr; segment = segment->next) {
        std::string part = Unescaped(RangeText(segment->text));
        if (part == "." || part == ".." || part.find('/') != std::string::npos) {
            return std::nullopt;
        }
        parts.push_back(std::move(part));
    }
    // An address without a path leads to the top of its site.
    if (parts.empty()) {
        parts.emplace_back();
    }
    return parts;
}

bool IsFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

} // namespace

bool IsPageFile(const fs::path& path) {
    const std::string extension = Lowercase(path.extension().string());
    return extension == ".html" || extension == ".htm" || extension == ".xhtml";
}

std::string AddressOfPath(const fs::path& relative) {
    std::string address;
    for (const auto& part : relative) {
        const std::string name = part.string();
        // Escaping makes at most three characters of one.
        std::string escaped(name.size() * 3 + 1, '\0');
        const char* end = uriEscapeExA(name.data(), name.data() + name.size(), escaped.data(),
                                       URI_FALSE, URI_FALSE);
        escaped.resize(static_cast<std::size_t>(end - escaped.data()));
        address += address.empty() ? escaped : "/" + escaped;
    }
    return address;
}

std::optional<fs::path> FileBeside(const fs::path& folder, std::string_view address) {
    const auto parts = PathParts(address);
    if (!parts || parts->back().empty()) {
        return std::nullopt;
    }
    const auto file = folder / parts->back();
    return IsFile(file) ? std::optional(file) : std::nullopt;
}

std::optional<fs::path> LocalPage(const fs::path& folder, std::string_view address) {
    auto parts = PathParts(address);
    if (!parts) {
        return std::nullopt;
    }
    if (parts->back().empty()) {
        parts->back() = "index.html";
    }
    for (std::size_t first = 0; first < parts->size(); ++first) {
        fs::path page = folder;
        for (std::size_t i = first; i < parts->size(); ++i) {
            if (!(*parts)[i].empty()) {
                page /= (*parts)[i];
            }
        }
        if (IsPageFile(page) && IsFile(page)) {
            return page;
        }
    }
    return std::nullopt;
}

std::string PageFileTitle(const fs::path& page) {
    const auto bytes = ReadFileStart(page, kMaxTitleBytes);
    return bytes ? PageTitle(*bytes) : std::string();
}

} // namespace importing
