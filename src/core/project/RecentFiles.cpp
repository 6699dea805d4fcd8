#include "project/RecentFiles.h"

#include "project/FileNames.h"

#include <algorithm>

namespace project {

std::vector<std::string> RecentMenuCaptions(const RecentList& stored) {
    std::vector<std::string> captions;
    for (std::size_t index = 0; index < stored.size(); ++index) {
        // An entry without a folder ends the list, as it always has: a bare name cannot be
        // opened again from another working folder.
        const std::string name = FileNameOf(stored[index]);
        if (name.empty() || name.size() == stored[index].size()) {
            break;
        }
        captions.push_back("&" + std::to_string(index + 1) + ". " + name);
    }
    return captions;
}

RecentList UpdateRecentFiles(const RecentList& stored, std::size_t shownEntries,
                             const std::string& path) {
    RecentList updated = stored;
    const auto found = std::find(stored.begin(), stored.end(), path);
    // Positions above the old place (or above the first unshown entry) move down by one.
    const auto end = found != stored.end() ? found
                                           : stored.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                                  shownEntries, kRecentCount - 1));
    std::copy_backward(stored.begin(), end, updated.begin() + (end - stored.begin()) + 1);
    updated.front() = path;
    return updated;
}

} // namespace project
