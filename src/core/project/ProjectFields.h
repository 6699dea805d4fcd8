#pragma once

#include "model/MenuProject.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// The sections and keys of the project file, shared by its writer and its reader.
namespace project {

inline constexpr std::string_view kItemsSection = "Items";
inline constexpr std::string_view kItemCountKey = "icount";
inline constexpr std::string_view kUrlsSection = "URLS";
inline constexpr std::string_view kLinkedSection = "Linked";
inline constexpr std::string_view kSelectedSection = "Selected";
inline constexpr std::string_view kSelectedKey = "SelectedItem";
inline constexpr std::string_view kItemColorsSection = "ItemColors";
inline constexpr std::string_view kMenuOptionsSection = "Menu Options";
inline constexpr std::string_view kMenuStyleSection = "Adv Menu Opts";
inline constexpr std::string_view kButtonOptionsSection = "Button Options";
inline constexpr std::string_view kButtonStyleSection = "Adv Button Opts";

// One field of every item: its section, and its key, the prefix followed by the item number.
struct ItemField {
    std::string_view section;
    std::string_view prefix;
    std::string model::MenuItem::*member;
};

inline const ItemField kItemText{kItemsSection, "Item ", &model::MenuItem::text};
inline const ItemField kItemUrl{kUrlsSection, "URL ", &model::MenuItem::url};
// In this section the key is the bare number.
inline const ItemField kItemLinked{kLinkedSection, "", &model::MenuItem::linked};
inline const ItemField kItemColorFields[] = {
    {kItemColorsSection, "Backcolor ", &model::MenuItem::backColor},
    {kItemColorsSection, "Textcolor ", &model::MenuItem::textColor},
    {kItemColorsSection, "IsHeading ", &model::MenuItem::heading}};

inline std::string ItemKey(const ItemField& field, std::size_t number) {
    return std::string(field.prefix) + std::to_string(number);
}

// Hands every option value, section by section in the order of the file, to `fields`, which
// writes or reads it by its kind: Text, FontSize, Check, FontWeight, Choice (0 or not 0),
// Position (a list position or -1).
template <class Project, class Fields>
void VisitOptionFields(Project& project, Fields& fields) {
    auto& menu = project.menu;
    fields.Section(kMenuOptionsSection);
    fields.Choice("Navigate", menu.navigation);
    fields.Position("Align to Button", menu.buttonAlign);
    fields.Position("Target", menu.linkTarget);
    fields.Text("Frame Name", menu.frameName);
    fields.Text("Menu Name", menu.menuName);

    auto& menuStyle = project.menuStyle;
    fields.Section(kMenuStyleSection);
    fields.Text("Text Color", menuStyle.textColor);
    fields.Text("BG Color", menuStyle.backColor);
    fields.Check("System Menu Colors", menuStyle.useSystemColors);
    fields.Text("Font", menuStyle.fontName);
    fields.FontSize("Font Size", menuStyle.fontSize);
    fields.FontWeight("Font Weight", menuStyle.fontWeight);
    fields.Check("Underline", menuStyle.underline);
    fields.Check("Italics", menuStyle.italic);
    fields.Text("Width", menuStyle.width);
    fields.Check("Constrain Width", menuStyle.constrainWidth);

    auto& button = project.button;
    fields.Section(kButtonOptionsSection);
    fields.Choice("Button Type", button.buttonKind);
    fields.Text("Button Text", button.buttonText);
    fields.Text("Button Graphic URL", button.imageUrl);
    fields.Text("Button Graphic Wdth", button.imageWidth);
    fields.Text("Button Graphic Ht", button.imageHeight);
    fields.Text("Alt Text", button.altText);

    auto& buttonStyle = project.buttonStyle;
    fields.Section(kButtonStyleSection);
    for (std::size_t index = 0; index < buttonStyle.colors.size(); ++index) {
        fields.Text("Color " + std::to_string(index), buttonStyle.colors[index]);
    }
    fields.Check("Synch Left and Top", buttonStyle.syncTopLeft);
    fields.Check("Synch Right and Bottom", buttonStyle.syncRightBottom);
    fields.Check("Border", buttonStyle.noBorder);
    fields.Check("System Button Colors", buttonStyle.useSystemColors);
    fields.Text("Font", buttonStyle.fontName);
    fields.FontSize("Font Size", buttonStyle.fontSize);
    fields.FontWeight("Font Weight", buttonStyle.fontWeight);
    fields.Check("Underline", buttonStyle.underline);
    fields.Check("Italics", buttonStyle.italic);
    fields.Text("Height", buttonStyle.height);
    fields.Text("Width", buttonStyle.width);
    fields.Text("Border Thickness", buttonStyle.borderThickness);
    fields.Check("Constrain Button Size", buttonStyle.constrainSize);
}

// Writes each option value as its text through `sink(section, key, value)`.
template <class Sink>
class COptionWriter {
  public:
    explicit COptionWriter(Sink valueSink) : sink(std::move(valueSink)) {}

    void Section(std::string_view name) { section = name; }
    void Text(std::string_view key, const std::string& value) { sink(section, key, value); }
    void FontSize(std::string_view key, const std::string& value) { Text(key, value); }
    void Check(std::string_view key, int value) { Number(key, value); }
    void FontWeight(std::string_view key, int value) { Number(key, value); }
    template <class Enum>
    void Choice(std::string_view key, Enum value) {
        Number(key, static_cast<int>(value));
    }
    template <class Enum>
    void Position(std::string_view key, Enum value) {
        Number(key, static_cast<int>(value));
    }

  private:
    void Number(std::string_view key, int value) { sink(section, key, std::to_string(value)); }

    Sink sink;
    std::string_view section;
};

} // namespace project
