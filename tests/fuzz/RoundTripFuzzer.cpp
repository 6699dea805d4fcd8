#include "project/IniLines.h"
#include "project/ProjectFields.h"
#include "project/ProjectFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Drops the blanks around every text value and the indent marker, which a save and a load drop
// and make anew by design; tells whether any value held such blanks.
class CBlankFolder {
  public:
    bool hadBlanks = false;

    void Section(std::string_view) {}
    void Text(std::string_view, std::string& value) { Fold(value); }
    void FontSize(std::string_view, std::string& value) { Fold(value); }
    void Check(std::string_view, int) {}
    void FontWeight(std::string_view, int) {}
    template <class Enum>
    void Choice(std::string_view, Enum) {}
    template <class Enum>
    void Position(std::string_view, Enum) {}

    void Fold(std::string& value) {
        const std::string_view trimmed = project::TrimBlanks(value);
        hadBlanks = hadBlanks || trimmed.size() != value.size();
        value = trimmed;
    }

    model::MenuProject Folded(model::MenuProject project) {
        bool headingAbove = false;
        for (auto& item : project.items) {
            if (item.heading == model::kYes) {
                headingAbove = true;
            } else if (headingAbove && item.text.starts_with(model::kIndentMarker)) {
                item.text.erase(0, std::string_view(model::kIndentMarker).size());
            }
            for (auto* field : {&item.text, &item.linked, &item.url, &item.selected,
                                &item.backColor, &item.textColor, &item.heading}) {
                Fold(*field);
            }
        }
        project::VisitOptionFields(project, *this);
        return project;
    }
};

} // namespace

// Any file that loads is saved and loaded again: the record read back is the one saved, and
// saving it again gives the same bytes when no value had blanks around it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto base = model::NewProject(model::PlainStyleDefaults());
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto loaded = project::ReadProjectText(bytes, base);
    if (!loaded) {
        return 0;
    }
    const std::string saved = project::WriteProjectText(*loaded);
    const auto reloaded = project::ReadProjectText(saved, base);
    CBlankFolder loadedBlanks;
    CBlankFolder reloadedBlanks;
    if (!reloaded || loadedBlanks.Folded(*loaded) != reloadedBlanks.Folded(*reloaded)) {
        std::abort();
    }
    if (!loadedBlanks.hadBlanks && project::WriteProjectText(*reloaded) != saved) {
        std::abort();
    }
    return 0;
}
