#pragma once

#include <span>
#include <string>

namespace auxwindows {

// The program's page on the maker's web site.
std::string ProductPageAddress();

// The recommendation handed to the e-mail program: the addresses of the non-empty boxes, in
// order, joined with "," exactly as typed, then the fixed subject and body.
std::string TellFriendsAddress(std::span<const std::string> boxes);

// A message to the maker's support with the subject filled in.
std::string SupportMailAddress();

} // namespace auxwindows
