#pragma once

#include "import/AddressResolver.h"
#include "import/ImportResult.h"

#include <string>
#include <string_view>

namespace importing {

// The links of a browser's bookmarks file (<DL><DT><A HREF> with folders as <H3>). Folders
// become headings named by their path ("Work / Tools"); empty folders are left out. `name`
// names the file in warnings.
ImportResult ReadBookmarks(std::string_view bytes, const std::string& name,
                           AddressResolver resolver);

} // namespace importing
