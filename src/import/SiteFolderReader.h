#pragma once

#include "import/AddressResolver.h"
#include "import/ImportResult.h"

#include <filesystem>

namespace importing {

// Every page of a folder (.html, .htm, .xhtml) with its title (or its file name) as the text.
// The address is the page's path relative to `baseFolder` (a folder that holds `folder`),
// resolved against the resolver's base when it has one. Subfolders become headings named by
// their path; a folder's index page comes first in its group.
ImportResult ImportSiteFolder(const std::filesystem::path& folder,
                              const std::filesystem::path& baseFolder, AddressResolver resolver);

} // namespace importing
