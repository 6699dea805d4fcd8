#pragma once

#include <string>
#include <string_view>

namespace importing {

// A text as a page shows it: runs of blanks, tabs and line breaks made one blank, none at the
// ends.
std::string CollapseWhitespace(std::string_view text);

// A readable text made from an address's last path part: "our-team.html" gives "Our team"; an
// address without a path gives its host, an e-mail or telephone address the address itself.
std::string TextFromAddress(std::string_view address);

} // namespace importing
