#pragma once

#include <string>

namespace bench {

// A browser's export: folders of 100 links each, every second one inside the one before, with
// the dates and icons browsers write.
std::string BookmarksFile(int links);

} // namespace bench
