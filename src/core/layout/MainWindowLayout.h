#pragma once

// The main window's layout in twips (1/1440 inch). Only the item list area follows the window's
// size; every other control keeps the place it was designed at.
namespace layout {

struct TwipSize {
    int width = 0;
    int height = 0;

    bool operator==(const TwipSize&) const = default;
};

struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TwipRect&) const = default;
};

// The window as designed. The list and its toolbar are placed inside Frame2.
inline constexpr TwipSize kDesignClient{8820, 6405};
inline constexpr int kToolbarHeight = 570;
inline constexpr int kStatusBarHeight = 255;
inline constexpr TwipRect kDesignFrame1{60, 600, 5055, 2475};
inline constexpr TwipRect kDesignFrame2{5160, 600, 3585, 5505};
inline constexpr TwipRect kDesignList{90, 180, 3405, 4725};
inline constexpr TwipRect kDesignItemToolbar{90, 4980, 3405, 450};

// What borders, caption and menu bar added to the designed client area; the resize formulas are
// written over the outer size, so they give the designed Frame2 at the designed client size.
inline constexpr TwipSize kDesignNonClient{70, 675};

TwipSize OuterSize(TwipSize client);

struct ItemListLayout {
    TwipRect frame2;
    TwipRect list;    // inside frame2
    TwipRect toolbar; // inside frame2

    bool operator==(const ItemListLayout&) const = default;
};

// The list area for a window of the given outer size. Sizes never go below zero.
ItemListLayout LayoutMainWindow(TwipSize outer);

} // namespace layout
