#include "import/SitemapReader.h"

#include "import/EntryCollector.h"
#include "import/ImportTexts.h"
#include "import/SiteFiles.h"
#include "import/SourceFile.h"
#include "import/XmlParser.h"

namespace importing {
namespace {

// Reads a sitemap file named in an index; a refusal becomes a warning.
std::optional<SitemapContent> NamedSitemap(const std::filesystem::path& file,
                                           const std::string& indexName,
                                           EntryCollector& collector) {
    const std::string name = DisplayName(file);
    const SourceBytes source = ReadSourceFile(file);
    if (source.refusal) {
        collector.Warn(*source.refusal);
        return std::nullopt;
    }
    SitemapContent content = ReadSitemapXml(source.bytes, name);
    if (content.refusal) {
        collector.Warn(*content.refusal);
        return std::nullopt;
    }
    if (content.index) {
        collector.Warn({texts::kIndexInIndex, {indexName, name}});
        return std::nullopt;
    }
    return content;
}

} // namespace

SitemapContent ReadSitemapXml(std::string_view bytes, const std::string& name) {
    SitemapContent content;
    const ParsedXml parsed = ParseXml(bytes, name);
    if (parsed.refusal) {
        content.refusal = parsed.refusal;
        return content;
    }
    xmlNode* root = xmlDocGetRootElement(parsed.doc.get());
    content.index = IsElement(root, "sitemapindex");
    if (!content.index && !IsElement(root, "urlset")) {
        const std::string found = root ? reinterpret_cast<const char*>(root->name) : "";
        content.refusal = ImportText{texts::kNotSitemap, {name, found}};
        return content;
    }
    const char* entry = content.index ? "sitemap" : "url";
    for (xmlNode* child = root->children; child != nullptr; child = child->next) {
        if (!IsElement(child, entry)) {
            continue;
        }
        for (xmlNode* field = child->children; field != nullptr; field = field->next) {
            if (IsElement(field, "loc")) {
                content.locations.push_back(TextOf(field));
                break;
            }
        }
    }
    return content;
}

ImportResult ImportSitemap(const std::filesystem::path& file, std::string_view bytes,
                           AddressResolver resolver) {
    const std::string name = DisplayName(file);
    const SitemapContent content = ReadSitemapXml(bytes, name);
    if (content.refusal) {
        return Refused(*content.refusal);
    }
    const auto folder = file.parent_path();
    EntryCollector collector(std::move(resolver));
    bool room = true;
    const auto addPages = [&](const SitemapContent& sitemap) {
        for (const auto& location : sitemap.locations) {
            const auto page = LocalPage(folder, location);
            room = room && collector.Add(page ? PageFileTitle(*page) : std::string(), location);
        }
    };
    if (!content.index) {
        addPages(content);
    }
    for (std::size_t i = 0; content.index && room && i < content.locations.size(); ++i) {
        const auto& location = content.locations[i];
        const auto beside = FileBeside(folder, location);
        if (!beside) {
            collector.Warn({texts::kSitemapMissing, {location}});
        } else if (const auto named = NamedSitemap(*beside, name, collector)) {
            addPages(*named);
        }
    }
    return collector.Finish();
}

} // namespace importing
