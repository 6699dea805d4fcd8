#include "model/ItemRules.h"

namespace model {

std::string IndentRule(std::string_view typed, bool isHeading, bool headingAbove) {
    std::string text;
    if (!isHeading && headingAbove) {
        text = kIndentMarker;
    }
    text += typed;
    return text;
}

std::string_view WithoutIndentMarker(std::string_view text) {
    const std::string_view marker = kIndentMarker;
    if (text.starts_with(marker)) {
        text.remove_prefix(marker.size());
    }
    return text;
}

MenuItem ItemFromEditor(const ItemEditorFields& fields, ItemWrite write, bool headingAbove) {
    MenuItem item;
    item.text = IndentRule(fields.text, fields.heading, headingAbove);
    const bool linked = !fields.notLinked && !(write == ItemWrite::Add && fields.heading);
    item.linked = linked ? kYes : kNo;
    item.url = linked ? fields.link : std::string();
    item.selected = kNo;
    item.backColor = fields.defaultColor ? kDefaultColor : fields.backColor;
    item.textColor = fields.defaultColor ? kDefaultColor : fields.textColor;
    item.heading = fields.heading ? kYes : kNo;
    return item;
}

std::optional<std::size_t> RowAfterDeletion(std::size_t deleted, std::size_t remaining) {
    if (remaining == 0) {
        return std::nullopt;
    }
    return deleted < remaining ? deleted : remaining - 1;
}

} // namespace model
