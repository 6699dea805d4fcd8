#include "project/AtomicFile.h"
#include "project/ItemSections.h"
#include "project/NumericValue.h"
#include "project/ProjectFields.h"
#include "project/ProjectFile.h"
#include "project/SectionIndex.h"
#include "project/TextEncoding.h"

#include <algorithm>

namespace project {

namespace {

// The first field of the first line: leading blanks skipped, then a quoted text or the text up
// to a comma.
std::string_view HeaderField(std::string_view text) {
    std::string_view line = TakeLine(text);
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (line.starts_with('"')) {
        line.remove_prefix(1);
        return line.substr(0, line.find('"'));
    }
    return line.substr(0, line.find(','));
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

// Why a value was refused: its key, its section and what it held.
std::string ValueRefusal(std::string_view section, std::string_view key, std::string_view value,
                         std::string_view rule) {
    return Quoted(key) + " in [" + std::string(section) + "] is " + Quoted(value) + ", " +
           std::string(rule);
}

class COptionReader {
  public:
    explicit COptionReader(const CSectionIndex& index) : sections(index) {}

    const std::string& Refusal() const { return refusal; }

    void Section(std::string_view name) {
        section = name;
        lines = sections.Body(name);
    }
    void Text(std::string_view key, std::string& field) { field = Read(key); }
    void FontSize(std::string_view key, std::string& field) {
        if (const auto text = NumericText(Read(key))) {
            field = *text;
        } else {
            Refuse(key, "too large a number");
        }
    }
    void Check(std::string_view key, int& field) { Whole(key, 0, 2, field); }
    void FontWeight(std::string_view key, int& field) {
        Whole(key, model::kMinFontWeight, model::kMaxFontWeight, field);
    }
    template <class Enum>
    void Choice(std::string_view key, Enum& field) {
        field = static_cast<Enum>(Read(key) == "0" ? 0 : 1);
    }
    // A list position, or -1 for nothing chosen.
    template <class Enum>
    void Position(std::string_view key, Enum& field) {
        int position = 0;
        Whole(key, -1, 2, position);
        field = static_cast<Enum>(position);
    }

  private:
    // Missing keys read as the empty text.
    std::string_view Read(std::string_view key) const {
        return FindValue(lines, key).value_or(std::string_view());
    }

    void Whole(std::string_view key, int lowest, int highest, int& field) {
        const auto value = WholeNumberValue(Read(key));
        if (value && *value >= lowest && *value <= highest) {
            field = *value;
        } else {
            Refuse(key, "not a whole number from " + std::to_string(lowest) + " to " +
                            std::to_string(highest));
        }
    }

    void Refuse(std::string_view key, std::string_view rule) {
        if (refusal.empty()) {
            refusal = ValueRefusal(section, key, Read(key), rule);
        }
    }

    const CSectionIndex& sections;
    std::string_view section;
    std::string_view lines;
    std::string refusal;
};

// The items the file holds, up to its count; the refusal when a value cannot be applied.
std::string ReadItems(const CSectionIndex& sections, std::vector<model::MenuItem>& items) {
    const std::string_view countText =
        FindValue(sections.Body(kItemsSection), kItemCountKey).value_or("");
    const auto count = WholeNumberValue(countText);
    if (!count) {
        return ValueRefusal(kItemsSection, kItemCountKey, countText, "too large a number");
    }
    const std::string_view selectedText =
        FindValue(sections.Body(kSelectedSection), kSelectedKey).value_or("");
    const auto selected = NumericValue(selectedText);
    if (!selected && *count > 0) {
        return ValueRefusal(kSelectedSection, kSelectedKey, selectedText, "too large a number");
    }
    FileItems read = ReadFileItems(sections, static_cast<std::size_t>(std::max(*count, 0)));
    items = std::move(read.items);
    bool headingAbove = false;
    for (std::size_t index = 0; index < items.size(); ++index) {
        model::MenuItem& item = items[index];
        if (*selected == static_cast<double>(read.NumberAt(index))) {
            item.selected = model::kYes;
        }
        // The read dropped any leading blanks, so the indent marker is made anew.
        if (item.heading == model::kYes) {
            headingAbove = true;
        } else if (headingAbove) {
            item.text.insert(0, model::kIndentMarker);
        }
    }
    return {};
}

ProjectOrRefusal Refused(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

} // namespace

ProjectOrRefusal ReadProjectTextOrRefusal(std::string_view bytes, const model::MenuProject& base) {
    if (bytes.empty()) {
        return Refused("the file is empty");
    }
    std::string decoded;
    const std::string_view text = DecodedView(bytes, decoded);
    if (HeaderField(text) != kProjectHeader) {
        return Refused("the first line is not " + Quoted(kProjectHeader));
    }
    const CSectionIndex sections(
        text, {kItemsSection, kUrlsSection, kLinkedSection, kSelectedSection, kItemColorsSection,
               kMenuOptionsSection, kMenuStyleSection, kButtonOptionsSection, kButtonStyleSection});
    model::MenuProject project = base;
    if (auto refusal = ReadItems(sections, project.items); !refusal.empty()) {
        return Refused(std::move(refusal));
    }
    COptionReader reader(sections);
    VisitOptionFields(project, reader);
    if (!reader.Refusal().empty()) {
        return Refused(reader.Refusal());
    }
    return {std::move(project), {}};
}

std::optional<model::MenuProject> ReadProjectText(std::string_view bytes,
                                                  const model::MenuProject& base) {
    return ReadProjectTextOrRefusal(bytes, base).project;
}

ProjectOrRefusal LoadProjectFileOrRefusal(const std::filesystem::path& path,
                                          const model::MenuProject& base) {
    std::string error;
    auto bytes = ReadWholeFile(path, error);
    if (!bytes) {
        return Refused(std::move(error));
    }
    return ReadProjectTextOrRefusal(*bytes, base);
}

std::optional<model::MenuProject> LoadProjectFile(const std::filesystem::path& path,
                                                  const model::MenuProject& base) {
    return LoadProjectFileOrRefusal(path, base).project;
}

} // namespace project
