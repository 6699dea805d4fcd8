#include "project/IniLines.h"
#include "project/ProjectFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// The blanks around a value and the indent marker are dropped by a save and a load and made anew
// by design; `hadBlanks` tells whether any value held such blanks.
class CBlankFolder {
  public:
    bool hadBlanks = false;

    void Fold(std::string& value) {
        const std::string_view trimmed = project::TrimBlanks(value);
        if (trimmed.size() != value.size()) {
            hadBlanks = true;
            value = trimmed;
        }
    }
};

model::MenuProject WithoutBlanks(model::MenuProject project, CBlankFolder& folder) {
    bool headingAbove = false;
    for (auto& item : project.items) {
        if (item.heading == model::kYes) {
            headingAbove = true;
        } else if (headingAbove && item.text.starts_with(model::kIndentMarker)) {
            item.text.erase(0, std::string_view(model::kIndentMarker).size());
        }
        for (auto* field : {&item.text, &item.linked, &item.url, &item.selected, &item.backColor,
                            &item.textColor, &item.heading}) {
            folder.Fold(*field);
        }
    }
    auto& menu = project.menu;
    auto& button = project.button;
    for (auto* field :
         {&menu.menuName, &menu.frameName, &button.buttonText, &button.imageUrl, &button.imageWidth,
          &button.imageHeight, &button.altText, &project.menuStyle.textColor,
          &project.menuStyle.backColor, &project.menuStyle.fontName, &project.menuStyle.fontSize,
          &project.menuStyle.width, &project.buttonStyle.fontName, &project.buttonStyle.fontSize,
          &project.buttonStyle.width, &project.buttonStyle.height,
          &project.buttonStyle.borderThickness}) {
        folder.Fold(*field);
    }
    for (auto& color : project.buttonStyle.colors) {
        folder.Fold(color);
    }
    return project;
}

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
    if (!reloaded) {
        std::abort();
    }
    CBlankFolder loadedBlanks;
    CBlankFolder reloadedBlanks;
    if (WithoutBlanks(*loaded, loadedBlanks) != WithoutBlanks(*reloaded, reloadedBlanks)) {
        std::abort();
    }
    if (!loadedBlanks.hadBlanks && project::WriteProjectText(*reloaded) != saved) {
        std::abort();
    }
    return 0;
}
