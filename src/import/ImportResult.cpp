#include "import/ImportResult.h"

#include "import/ImportTexts.h"

namespace importing {
namespace {

constexpr std::array<texts::Counted, kSkipReasonCount> kSkippedTexts = {
    texts::kSkippedScripts,    texts::kSkippedData,  texts::kSkippedBrowserPages,
    texts::kSkippedLocalFiles, texts::kSkippedEmpty, texts::kSkippedSamePage,
    texts::kSkippedUnreadable};

} // namespace

std::vector<ImportText> ImportResult::SkippedTexts() const {
    std::vector<ImportText> out;
    for (std::size_t reason = 0; reason < kSkipReasonCount; ++reason) {
        const std::size_t count = skipped[reason];
        if (count == 1) {
            out.push_back({kSkippedTexts[reason].one, {}});
        } else if (count > 1) {
            out.push_back({kSkippedTexts[reason].many, {std::to_string(count)}});
        }
    }
    return out;
}

ImportResult Refused(ImportText why) {
    ImportResult result;
    result.refusal = std::move(why);
    return result;
}

} // namespace importing
