#include "project/AtomicFile.h"
#include "project/IniValues.h"
#include "project/ProjectFields.h"
#include "project/ProjectFile.h"

#include <algorithm>

namespace project {

namespace {

class CLineWriter {
  public:
    void Section(std::string_view name) {
        text += '[';
        AppendIniSafe(text, name);
        text += "]\r\n";
    }
    void Value(std::string_view key, std::string_view value) {
        AppendIniSafe(text, key);
        text += '=';
        AppendIniValue(text, value);
        text += "\r\n";
    }

    std::string text;
};

void WriteColumn(const std::vector<model::MenuItem>& items, const ItemField& field,
                 CLineWriter& out) {
    for (std::size_t index = 0; index < items.size(); ++index) {
        out.Value(ItemKey(field, index + 1), items[index].*field.member);
    }
}

// The item sections as writing the keys item by item has always placed them: each section
// where its first key went, so "Selected" stands before "ItemColors" only when item 1 is the
// selected one, and it holds the last selected item when there are several.
void WriteItems(const std::vector<model::MenuItem>& items, CLineWriter& out) {
    out.Section(kItemsSection);
    out.Value(kItemCountKey, std::to_string(items.size()));
    if (items.empty()) {
        return;
    }
    WriteColumn(items, kItemText, out);
    out.Section(kUrlsSection);
    WriteColumn(items, kItemUrl, out);
    out.Section(kLinkedSection);
    WriteColumn(items, kItemLinked, out);

    const auto isSelected = [](const model::MenuItem& item) {
        return item.selected == model::kYes;
    };
    const auto first = std::find_if(items.begin(), items.end(), isSelected);
    const auto last = std::find_if(items.rbegin(), items.rend(), isSelected);
    const auto writeSelected = [&] {
        out.Section(kSelectedSection);
        out.Value(kSelectedKey, std::to_string(items.rend() - last));
    };
    if (first == items.begin()) {
        writeSelected();
    }
    out.Section(kItemColorsSection);
    for (std::size_t index = 0; index < items.size(); ++index) {
        for (const ItemField& field : kItemColorFields) {
            out.Value(ItemKey(field, index + 1), items[index].*field.member);
        }
    }
    if (first != items.begin() && first != items.end()) {
        writeSelected();
    }
}

} // namespace

std::string WriteProjectText(const model::MenuProject& project) {
    CLineWriter out;
    out.text = std::string(kProjectHeader) + "\r\n";
    WriteItems(project.items, out);
    std::string_view openSection;
    COptionWriter writer(
        [&](std::string_view section, std::string_view key, std::string_view value) {
            if (section != openSection) {
                out.Section(section);
                openSection = section;
            }
            out.Value(key, value);
        });
    VisitOptionFields(project, writer);
    return std::move(out.text);
}

std::optional<std::string> SaveProjectFile(const std::filesystem::path& path,
                                           const model::MenuProject& project) {
    return WriteFileAtomically(path, WriteProjectText(project));
}

} // namespace project
