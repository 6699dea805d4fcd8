#include "generate/MenuEntries.h"

#include "generate/CodeLines.h"
#include "model/ItemRules.h"

#include <string_view>

namespace generate {
namespace {

// The fixed text of the longest entry line.
constexpr std::size_t kEntryLineOverhead = 96;

std::string_view WithoutTrailingSpaces(std::string_view text) {
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

void AppendHeading(std::string& out, std::string_view label) {
    AppendLine(out, {"<OPTGROUP LABEL=\"", label, "\">"});
}

void AppendOption(std::string& out, const model::MenuItem& item) {
    const bool linked = item.linked == model::kYes;
    const std::string_view value = linked ? std::string_view{item.url} : "nolink";
    const std::string_view selected = item.selected == model::kNo ? "" : " SELECTED";
    const bool defaultColors = item.backColor == model::kDefaultColor;
    const std::string_view back = defaultColors ? std::string_view{} : item.backColor;
    const std::string_view fore = defaultColors ? std::string_view{} : item.textColor;
    AppendLine(out, {"<OPTION value=\"", value, "\"", selected, " style=\"background-color='", back,
                     "';color='", fore, "'\">",
                     WithoutTrailingSpaces(model::WithoutIndentMarker(item.text)), "</OPTION>"});
}

} // namespace

void AppendEntryLines(std::string& out, const std::vector<model::MenuItem>& items) {
    bool groupOpen = false;
    const model::MenuItem* previous = nullptr;
    for (const auto& item : items) {
        if (item.heading == model::kYes) {
            // A heading straight after another heading does not close the group it opened.
            if (groupOpen && previous->heading == model::kNo) {
                AppendLine(out, {"</OPTGROUP>"});
            }
            AppendHeading(out, model::WithoutIndentMarker(item.text));
            groupOpen = true;
        } else if (item.linked == model::kYes || item.linked == model::kNo) {
            AppendOption(out, item);
        }
        previous = &item;
    }
    if (groupOpen) {
        AppendLine(out, {"</OPTGROUP>"});
    }
}

std::size_t EntryLinesCapacity(const std::vector<model::MenuItem>& items) {
    std::size_t capacity = 0;
    for (const auto& item : items) {
        capacity += item.text.size() + item.url.size() + item.backColor.size() +
                    item.textColor.size() + kEntryLineOverhead;
    }
    return capacity;
}

} // namespace generate
