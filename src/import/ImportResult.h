#pragma once

#include "import/ImportText.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What a source holds, in the shape the import window shows: groups of entries, the links left
// out and why, warnings, or the reason the source was refused.
namespace importing {

struct ImportEntry {
    std::string text;
    std::string address;
    bool ticked = true;
    // The same address came earlier in the source; such entries start unticked.
    bool duplicate = false;

    bool operator==(const ImportEntry&) const = default;
};

// A heading and its entries; the group without a heading (empty text) always comes first.
struct ImportGroup {
    std::string heading;
    std::vector<ImportEntry> entries;

    bool operator==(const ImportGroup&) const = default;
};

// Why a link was left out: it is nothing a visitor of the page could follow.
enum class SkipReason {
    Script,       // javascript:, vbscript:
    EmbeddedData, // data:, blob:
    BrowserPage,  // about: and the browsers' own schemes
    LocalFile,    // file:
    Empty,        // no address at all
    SamePage,     // only a fragment of the same page
    Unreadable,   // not an address even after cleaning
};
inline constexpr std::size_t kSkipReasonCount = 7;

struct ImportResult {
    std::vector<ImportGroup> groups;
    std::array<std::size_t, kSkipReasonCount> skipped{};
    std::vector<ImportText> warnings;
    // Set when the source was refused; nothing else is then filled in.
    std::optional<ImportText> refusal;

    std::size_t& Skipped(SkipReason reason) { return skipped[static_cast<std::size_t>(reason)]; }
    std::size_t Skipped(SkipReason reason) const {
        return skipped[static_cast<std::size_t>(reason)];
    }
    // One text for every reason that left links out, in the order of SkipReason.
    std::vector<ImportText> SkippedTexts() const;
};

// The result of a source that is refused.
ImportResult Refused(ImportText why);

} // namespace importing
