#include "import/SiteFolderReader.h"

#include "import/EntryCollector.h"
#include "import/ImportLimits.h"
#include "import/ImportTexts.h"
#include "import/Lowercase.h"
#include "import/SiteFiles.h"
#include "import/SourceFile.h"

#include <algorithm>
#include <vector>

namespace importing {
namespace {

namespace fs = std::filesystem;

struct PageFile {
    fs::path folder; // relative to the imported folder
    std::string name;
};

bool IsIndexPage(const std::string& name) {
    const std::string folded = Lowercase(name);
    return folded.starts_with("index.") && IsPageFile(folded);
}

// Folders in path order, the top folder first; in a folder its index page, then by name.
bool ComesBefore(const PageFile& a, const PageFile& b) {
    if (a.folder != b.folder) {
        return std::lexicographical_compare(
            a.folder.begin(), a.folder.end(), b.folder.begin(), b.folder.end(),
            [](const fs::path& x, const fs::path& y) {
                return std::pair(Lowercase(x.string()), x.string()) <
                       std::pair(Lowercase(y.string()), y.string());
            });
    }
    return std::tuple(!IsIndexPage(a.name), Lowercase(a.name), a.name) <
           std::tuple(!IsIndexPage(b.name), Lowercase(b.name), b.name);
}

// The path from `base` to `path`; empty (not ".") when they are the same.
fs::path Relative(const fs::path& path, const fs::path& base) {
    const fs::path relative = path.lexically_relative(base);
    return relative == "." ? fs::path() : relative;
}

std::string Heading(const fs::path& folder) {
    std::string heading;
    for (const auto& part : folder) {
        heading += heading.empty() ? part.string() : " / " + part.string();
    }
    return heading;
}

// The pages below `folder`, hidden files and folders left out, links not followed.
std::vector<PageFile> FindPages(const fs::path& folder, EntryCollector& collector) {
    std::vector<PageFile> pages;
    std::error_code error;
    fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied,
                                        error);
    std::size_t seen = 0;
    for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (++seen > kMaxFolderEntries) {
            collector.Warn({texts::kTooManyFiles, {std::to_string(kMaxFolderEntries)}});
            break;
        }
        const fs::path& path = it->path();
        const std::string name = path.filename().string();
        if (name.starts_with(".")) {
            it.disable_recursion_pending();
            continue;
        }
        std::error_code typeError;
        if (it->is_regular_file(typeError) && IsPageFile(path)) {
            pages.push_back({Relative(path.parent_path(), folder), name});
        }
    }
    std::sort(pages.begin(), pages.end(), ComesBefore);
    return pages;
}

} // namespace

ImportResult ImportSiteFolder(const fs::path& folder, const fs::path& baseFolder,
                              AddressResolver resolver) {
    std::error_code error;
    const fs::path top = fs::weakly_canonical(folder, error);
    if (error || !fs::is_directory(top, error)) {
        return Refused({texts::kFolderUnreadable, {DisplayName(folder)}});
    }
    const fs::path base = baseFolder.empty() ? top : fs::weakly_canonical(baseFolder, error);
    const fs::path fromBase = Relative(top, base);
    if (error || (!fromBase.empty() && *fromBase.begin() == "..") ||
        top.lexically_relative(base).empty()) {
        return Refused({texts::kFolderOutsideBase, {DisplayName(folder), DisplayName(baseFolder)}});
    }
    EntryCollector collector(std::move(resolver));
    for (const auto& page : FindPages(top, collector)) {
        collector.SetHeading(Heading(page.folder));
        std::string title = PageFileTitle(top / page.folder / page.name);
        if (title.empty()) {
            title = page.name;
        }
        if (!collector.Add(title, AddressOfPath(fromBase / page.folder / page.name))) {
            break;
        }
    }
    return collector.Finish();
}

} // namespace importing
