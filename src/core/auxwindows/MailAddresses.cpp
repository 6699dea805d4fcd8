#include "auxwindows/MailAddresses.h"

#include "model/MakerAddresses.h"

namespace auxwindows {

std::string ProductPageAddress() {
    return std::string(model::kMakerSite) + "/qvn.shtml";
}

std::string TellFriendsAddress(std::span<const std::string> boxes) {
    std::string address = "mailto:";
    bool first = true;
    for (const std::string& box : boxes) {
        if (box.empty()) {
            continue;
        }
        if (!first) {
            address += ',';
        }
        address += box;
        first = false;
    }
    return address +
           "?subject=Check out this handy web building tool!&body=Hi. Thought you might be "
           "interested in Quorvane. Helps you build navigational menus for your web site with no "
           "programming knowledge. Get more details here: " +
           ProductPageAddress() + '.';
}

std::string SupportMailAddress() {
    return "mailto:" + std::string(model::kSupportEmail) + "?subject=Quorvane Support";
}

} // namespace auxwindows
