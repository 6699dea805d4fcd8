#include "auxwindows/TipsFile.h"

#include "model/Translatable.h"
#include "project/AtomicFile.h"
#include "project/IniLines.h"
#include "project/NumericValue.h"
#include "project/TextEncoding.h"

namespace auxwindows {

std::vector<std::string> SplitTipLines(std::string_view text) {
    std::vector<std::string> tips;
    while (!text.empty()) {
        tips.emplace_back(project::TakeLine(text));
    }
    return tips;
}

std::optional<std::vector<std::string>> ReadTipsFile(const std::filesystem::path& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    const std::optional<std::string> bytes = project::ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    return SplitTipLines(project::DecodeText(*bytes));
}

std::string MissingTipsText() {
    return TRANSLATABLE("auxwindows",
                        "That the qvntips.txt file was not found? \r\n\r\nCreate a text file named "
                        "qvntips.txt using NotePad with 1 tip per line. Then place it in the same "
                        "directory as the application. ");
}

bool TipsWantedAtStartup(std::string_view setting) {
    const std::optional<double> value = project::NumericValue(setting);
    // A number too large to hold is still not 0.
    return !value || *value != 0;
}

} // namespace auxwindows
