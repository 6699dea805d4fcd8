#include "import/BookmarksReader.h"

#include "import/EntryCollector.h"
#include "import/HtmlParser.h"
#include "import/PageReader.h"

#include <optional>
#include <vector>

namespace importing {
namespace {

std::string FolderPath(const std::vector<std::string>& folders) {
    std::string path;
    for (const auto& folder : folders) {
        path += path.empty() ? folder : " / " + folder;
    }
    return path;
}

} // namespace

ImportResult ReadBookmarks(std::string_view bytes, const std::string& name,
                           AddressResolver resolver) {
    EntryCollector collector(std::move(resolver));
    const ParsedHtml page = ParseHtml(bytes);
    xmlNode* root = page.doc ? xmlDocGetRootElement(page.doc.get()) : nullptr;
    std::vector<std::string> folders;
    // For each open list: whether it opened a folder.
    std::vector<bool> listOpenedFolder;
    std::optional<std::string> folderName;
    bool full = false;
    WalkElements(
        root,
        [&](xmlNode* node) {
            if (IsElement(node, "h3")) {
                folderName = TextOf(node);
            } else if (IsElement(node, "dl")) {
                listOpenedFolder.push_back(folderName.has_value());
                if (folderName) {
                    folders.push_back(*folderName);
                    collector.SetHeading(FolderPath(folders));
                }
                folderName.reset();
            } else if (IsElement(node, "a") && !full) {
                folderName.reset();
                full = !collector.Add(TextOf(node), Attribute(node, "href"));
            }
        },
        [&](xmlNode* node) {
            if (!IsElement(node, "dl") || listOpenedFolder.empty()) {
                return;
            }
            if (listOpenedFolder.back()) {
                folders.pop_back();
                collector.SetHeading(FolderPath(folders));
            }
            listOpenedFolder.pop_back();
        });
    if (page.cutShort) {
        collector.Warn(CutShortWarning(name));
    }
    return collector.Finish();
}

} // namespace importing
