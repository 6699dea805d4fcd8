#include "import/EntryCollector.h"

#include "import/EntryText.h"
#include "import/ImportTexts.h"

#include <algorithm>

namespace importing {

EntryCollector::EntryCollector(AddressResolver resolver) : resolver_(std::move(resolver)) {
    result_.groups.emplace_back();
    groupOf_.emplace("", 0);
}

void EntryCollector::SetHeading(const std::string& heading) {
    const auto [found, added] = groupOf_.emplace(heading, result_.groups.size());
    if (added) {
        result_.groups.push_back({heading, {}});
    }
    current_ = found->second;
}

bool EntryCollector::Add(std::string_view text, std::string_view address) {
    if (Full()) {
        return false;
    }
    AddressVerdict verdict = resolver_.Resolve(address);
    if (verdict.kind == AddressVerdict::Kind::Skipped) {
        ++result_.Skipped(verdict.reason);
        return true;
    }
    ImportEntry entry;
    entry.text = CollapseWhitespace(text);
    if (entry.text.empty()) {
        entry.text = TextFromAddress(verdict.address);
    }
    entry.duplicate = !seen_.insert(verdict.address).second;
    entry.ticked = verdict.kind == AddressVerdict::Kind::Link && !entry.duplicate;
    entry.address = std::move(verdict.address);
    result_.groups[current_].entries.push_back(std::move(entry));
    ++entries_;
    return true;
}

bool EntryCollector::Full() {
    if (entries_ < kMaxEntries) {
        return false;
    }
    if (!full_) {
        Warn({texts::kTooManyEntries, {std::to_string(kMaxEntries)}});
        full_ = true;
    }
    return true;
}

ImportResult EntryCollector::Finish() {
    auto& groups = result_.groups;
    groups.erase(std::remove_if(groups.begin(), groups.end(),
                                [](const ImportGroup& group) { return group.entries.empty(); }),
                 groups.end());
    return std::move(result_);
}

} // namespace importing
