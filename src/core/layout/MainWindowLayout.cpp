#include "layout/MainWindowLayout.h"

#include <algorithm>

namespace layout {

TwipSize OuterSize(TwipSize client) {
    return {client.width + kDesignNonClient.width, client.height + kDesignNonClient.height};
}

ItemListLayout LayoutMainWindow(TwipSize outer) {
    ItemListLayout result{kDesignFrame2, kDesignList, kDesignItemToolbar};
    result.frame2.width = std::max(0, outer.width - kDesignFrame1.width - 250);
    result.frame2.height = std::max(0, outer.height - (kToolbarHeight + kStatusBarHeight + 750));
    result.list.width = std::max(0, result.frame2.width - 200);
    result.list.height = std::max(0, result.frame2.height - (kDesignItemToolbar.height + 400));
    result.toolbar.top = result.list.top + result.list.height + 100;
    return result;
}

} // namespace layout
