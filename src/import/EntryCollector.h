#pragma once

#include "import/AddressResolver.h"
#include "import/ImportLimits.h"
#include "import/ImportResult.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace importing {

// Gathers the links a reader finds into groups, the same way for every source: addresses
// cleaned and resolved, links a visitor cannot follow counted and left out, e-mail and telephone
// addresses and repeated addresses unticked, empty texts made from the address, and no more than
// kMaxEntries entries.
class EntryCollector {
  public:
    explicit EntryCollector(AddressResolver resolver);

    // Entries added from now on belong to the group of this heading (empty: no heading).
    void SetHeading(const std::string& heading);

    // False when the limit was already reached and the entry was left out: the reader can stop.
    bool Add(std::string_view text, std::string_view address);

    void Warn(ImportText warning) { result_.warnings.push_back(std::move(warning)); }

    // The groups with entries, the group without heading first; the collector is spent.
    ImportResult Finish();

  private:
    // At the limit; warns the first time it is met.
    bool Full();

    AddressResolver resolver_;
    ImportResult result_;
    std::unordered_map<std::string, std::size_t> groupOf_;
    std::size_t current_ = 0;
    std::unordered_set<std::string> seen_;
    std::size_t entries_ = 0;
    bool full_ = false;
};

} // namespace importing
