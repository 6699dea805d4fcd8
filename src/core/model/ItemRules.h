#pragma once

#include "model/MenuProject.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The rules the item list keeps that need no question answered. Positions are 0-based.
namespace model {

// A text with the indent marker when the row is no heading and a heading stands above it.
std::string IndentRule(std::string_view typed, bool isHeading, bool headingAbove);

// The text without a leading indent marker: the marker is re-made whenever the list is edited, so
// it never reaches the page or the editor.
std::string_view WithoutIndentMarker(std::string_view text);

// What the item editor holds.
struct ItemEditorFields {
    std::string text;
    std::string link;
    bool notLinked = false;
    bool heading = false;
    bool defaultColor = true;
    std::string backColor;
    std::string textColor;
};

// "Add" files a heading as not linked; "Update" consults only "Not linked".
enum class ItemWrite { Add, Update };

// The row an editor writes, its `selected` still "No" (the preselection rule may ask first).
MenuItem ItemFromEditor(const ItemEditorFields& fields, ItemWrite write, bool headingAbove);

// The row that follows a deletion of the row at `deleted`, with `remaining` rows left: the next
// row, or the new last row; nothing when the list is empty.
std::optional<std::size_t> RowAfterDeletion(std::size_t deleted, std::size_t remaining);

} // namespace model
