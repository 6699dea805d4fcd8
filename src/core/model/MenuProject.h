#pragma once

#include <array>
#include <string>
#include <vector>

// The records of one menu project. Item flags and colours are held as the texts the list view
// shows ("Yes"/"No", a colour value or "Default"); style flags are check-box values 0, 1, 2.
namespace model {

inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";
inline constexpr const char* kDefaultColor = "Default";
// An item below a group heading is held with this marker in front of its typed text.
inline constexpr const char* kIndentMarker = "   ";

struct MenuItem {
    std::string text;
    std::string linked = kNo;
    std::string url;
    std::string selected = kNo;
    std::string backColor = kDefaultColor;
    std::string textColor = kDefaultColor;
    std::string heading = kNo;

    bool operator==(const MenuItem&) const = default;
};

enum class Navigation { OnButtonClick = 0, OnItemChange = 1 };

// The numbers are the list positions; None is "nothing chosen", possible after a load.
enum class LinkTarget { None = -1, SameWindow = 0, NewWindow = 1, DifferentFrame = 2 };
enum class ButtonAlign { None = -1, Top = 0, Middle = 1, Bottom = 2 };

enum class ButtonKind { Standard = 0, Graphic = 1 };

// "Top", "Middle", "Bottom"; empty for None.
std::string ButtonAlignText(ButtonAlign align);

struct MenuOptions {
    std::string menuName = "MyMenu";
    Navigation navigation = Navigation::OnButtonClick;
    LinkTarget linkTarget = LinkTarget::SameWindow;
    std::string frameName;
    ButtonAlign buttonAlign = ButtonAlign::Middle;

    bool operator==(const MenuOptions&) const = default;
};

struct ButtonOptions {
    ButtonKind buttonKind = ButtonKind::Standard;
    std::string buttonText = "Go";
    std::string imageUrl;
    std::string imageWidth;
    std::string imageHeight;
    std::string altText;

    bool operator==(const ButtonOptions&) const = default;
};

inline constexpr const char* kDefaultFontSize = "13";
inline constexpr int kDefaultFontWeight = 500;
inline constexpr int kMinFontWeight = 100;
inline constexpr int kMaxFontWeight = 900;

struct MenuStyle {
    int useSystemColors = 1;
    std::string textColor;
    std::string backColor;
    std::string fontName;
    std::string fontSize = kDefaultFontSize;
    int fontWeight = kDefaultFontWeight;
    int italic = 0;
    int underline = 0;
    std::string width;
    int constrainWidth = 1;

    bool operator==(const MenuStyle&) const = default;
};

// Indexes into ButtonStyle::colors.
enum ButtonColor {
    kButtonText = 0,
    kButtonFace = 1,
    kTopBorder = 2,
    kLeftBorder = 3,
    kRightBorder = 4,
    kBottomBorder = 5
};
inline constexpr int kButtonColorCount = 6;

struct ButtonStyle {
    int useSystemColors = 1;
    std::array<std::string, kButtonColorCount> colors;
    int syncTopLeft = 1;
    int syncRightBottom = 1;
    int noBorder = 1;
    std::string fontName;
    std::string fontSize = kDefaultFontSize;
    int fontWeight = kDefaultFontWeight;
    int italic = 0;
    int underline = 0;
    std::string width;
    std::string height;
    std::string borderThickness;
    int constrainSize = 1;

    bool operator==(const ButtonStyle&) const = default;
};

struct MenuProject {
    std::vector<MenuItem> items;
    MenuOptions menu;
    ButtonOptions button;
    MenuStyle menuStyle;
    ButtonStyle buttonStyle;

    bool operator==(const MenuProject&) const = default;
};

// What the style defaults are taken from: the colour scheme at first load and the font list.
struct StyleDefaults {
    std::string menuTextColor;
    std::string menuBackColor;
    std::array<std::string, kButtonColorCount> buttonColors;
    std::string fontName;
};

// The colour scheme of a machine without a desktop (the headless export, tests).
StyleDefaults PlainStyleDefaults();

// The project the program starts with: "MyMenu", "Go", no border thickness.
MenuProject StartupProject(const StyleDefaults& defaults);

// The project a new project (and every load before filling in) begins from.
MenuProject NewProject(const StyleDefaults& defaults);

} // namespace model
