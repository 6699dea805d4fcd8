#include "project/AtomicFile.h"
#include "project/IniDocument.h"
#include "project/NumericValue.h"
#include "project/ProjectFields.h"
#include "project/ProjectFile.h"
#include "project/TextEncoding.h"

#include <algorithm>

namespace project {

namespace {

// The first field of the first line: leading blanks skipped, then a quoted text or the text up
// to a comma.
std::string_view HeaderField(std::string_view text) {
    std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
    if (line.starts_with('"')) {
        line.remove_prefix(1);
        return line.substr(0, line.find('"'));
    }
    return line.substr(0, line.find(','));
}

// Missing sections and keys read as the empty text.
std::string_view ValueOf(const CIniDocument& document, std::string_view section,
                         std::string_view key) {
    return document.Find(section, key).value_or(std::string_view());
}

class COptionReader {
  public:
    explicit COptionReader(const CIniDocument& iniDocument) : document(iniDocument) {}

    bool Refused() const { return refused; }

    void Section(std::string_view name) { section = name; }
    void Text(std::string_view key, std::string& field) { field = Read(key); }
    void FontSize(std::string_view key, std::string& field) {
        if (const auto text = NumericText(Read(key))) {
            field = *text;
        } else {
            refused = true;
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
    std::string_view Read(std::string_view key) const { return ValueOf(document, section, key); }

    void Whole(std::string_view key, int lowest, int highest, int& field) {
        const auto value = WholeNumberValue(Read(key));
        if (value && *value >= lowest && *value <= highest) {
            field = *value;
        } else {
            refused = true;
        }
    }

    const CIniDocument& document;
    std::string_view section;
    bool refused = false;
};

// The item number a key names: the field's prefix (any letter case) and the number written
// plainly, as a lookup of that item's key would match it.
std::optional<std::size_t> ItemNumberOf(std::string_view key, const ItemField& field,
                                        std::size_t count) {
    const std::string_view prefix = field.prefix;
    if (key.size() <= prefix.size() || !SameName(key.substr(0, prefix.size()), prefix)) {
        return std::nullopt;
    }
    const std::string_view digits = key.substr(prefix.size());
    std::size_t number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9' || number > count) {
            return std::nullopt;
        }
        number = number * 10 + static_cast<std::size_t>(c - '0');
    }
    if (digits.front() == '0' || number > count) {
        return std::nullopt;
    }
    return number;
}

// One pass over the field's section fills the field of every item; the first occurrence of a
// key counts.
void ReadColumn(const CIniDocument& document, const ItemField& field,
                std::vector<model::MenuItem>& items) {
    std::vector<bool> found(items.size());
    document.ForEachValue(field.section, [&](std::string_view key, std::string_view value) {
        const auto number = ItemNumberOf(key, field, items.size());
        if (number && !found[*number - 1]) {
            found[*number - 1] = true;
            items[*number - 1].*field.member = value;
        }
    });
}

// A file cannot hold more items than lines, so a larger count is refused before anything is
// allocated for it.
bool ReadItems(const CIniDocument& document, std::size_t lineCount,
               std::vector<model::MenuItem>& items) {
    const auto count = WholeNumberValue(ValueOf(document, kItemsSection, kItemCountKey));
    if (!count || (*count > 0 && static_cast<std::size_t>(*count) > lineCount)) {
        return false;
    }
    const auto selected = NumericValue(ValueOf(document, kSelectedSection, kSelectedKey));
    if (!selected && *count > 0) {
        return false;
    }
    // Keys that are missing read as the empty text.
    items.assign(static_cast<std::size_t>(std::max(*count, 0)),
                 model::MenuItem{"", "", "", model::kNo, "", "", ""});
    for (const ItemField& field : {kItemText, kItemUrl, kItemLinked}) {
        ReadColumn(document, field, items);
    }
    for (const ItemField& field : kItemColorFields) {
        ReadColumn(document, field, items);
    }
    bool headingAbove = false;
    for (std::size_t index = 0; index < items.size(); ++index) {
        model::MenuItem& item = items[index];
        if (*selected == static_cast<double>(index + 1)) {
            item.selected = model::kYes;
        }
        // The read dropped any leading blanks, so the indent marker is made anew.
        if (item.heading == model::kYes) {
            headingAbove = true;
        } else if (headingAbove) {
            item.text.insert(0, model::kIndentMarker);
        }
    }
    return true;
}

} // namespace

std::optional<model::MenuProject> ReadProjectText(std::string_view bytes,
                                                  const model::MenuProject& base) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    const std::string text = DecodeText(bytes);
    if (HeaderField(text) != kProjectHeader) {
        return std::nullopt;
    }
    const CIniDocument document(text);
    model::MenuProject project = base;
    const auto lineCount = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    if (!ReadItems(document, lineCount, project.items)) {
        return std::nullopt;
    }
    COptionReader reader(document);
    VisitOptionFields(project, reader);
    if (reader.Refused()) {
        return std::nullopt;
    }
    return project;
}

std::optional<model::MenuProject> LoadProjectFile(const std::filesystem::path& path,
                                                  const model::MenuProject& base) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return ReadProjectText(*bytes, base);
}

} // namespace project
