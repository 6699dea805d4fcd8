#include "project/ItemNumbers.h"

#include "project/ProjectFields.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>

namespace project {

namespace {

const std::array<const ItemField*, 6> kFields = {&kItemText,           &kItemUrl,
                                                 &kItemLinked,         &kItemColorFields[0],
                                                 &kItemColorFields[1], &kItemColorFields[2]};

constexpr std::array<std::string_view, 4> kItemSections = {kItemsSection, kUrlsSection,
                                                           kLinkedSection, kItemColorsSection};

// The item number a key names: the field's prefix (any letter case) and the number written
// plainly, as a lookup of that item's key would match it; nothing past `count`.
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

// visit(field index, item number, stored value) for every key of the section that names an
// item.
template <class Visit>
void ForEachItemKey(const CSectionIndex& sections, std::string_view section, std::size_t count,
                    Visit&& visit) {
    ForEachKeyLine(sections.Body(section), [&](const KeyLine& line) {
        for (std::size_t field = 0; field < kFields.size(); ++field) {
            if (kFields[field]->section != section) {
                continue;
            }
            if (const auto number = ItemNumberOf(line.key, *kFields[field], count)) {
                visit(field, *number, line.value);
                return;
            }
        }
    });
}

} // namespace

CItemNumbers::CItemNumbers(const CSectionIndex& sections, std::size_t itemCount)
    : count(itemCount) {
    if (count == 0) {
        return;
    }
    // Sections written by the program name their items in ascending order, so each section's
    // numbers are merged in one linear step; only a shuffled section is sorted.
    std::vector<std::uint32_t> named;
    std::vector<std::uint32_t> merged;
    for (const std::string_view section : kItemSections) {
        named.clear();
        ForEachItemKey(sections, section, count, [&](std::size_t, std::size_t number, auto) {
            if (named.empty() || named.back() != number) {
                named.push_back(static_cast<std::uint32_t>(number));
            }
        });
        if (!std::is_sorted(named.begin(), named.end())) {
            std::sort(named.begin(), named.end());
        }
        named.erase(std::unique(named.begin(), named.end()), named.end());
        merged.clear();
        std::set_union(numbers.begin(), numbers.end(), named.begin(), named.end(),
                       std::back_inserter(merged));
        numbers.swap(merged);
    }
}

std::size_t CItemNumbers::IndexOf(std::size_t number) const {
    // Items 1 to n, as the program writes them, are found without a search.
    if (numbers.back() == numbers.size()) {
        return number - 1;
    }
    return static_cast<std::size_t>(std::lower_bound(numbers.begin(), numbers.end(), number) -
                                    numbers.begin());
}

void CItemNumbers::ReadValues(const CSectionIndex& sections,
                              std::vector<model::MenuItem>& items) const {
    if (items.empty()) {
        return;
    }
    // One bit for each field of an item: the first key that names it counts.
    std::vector<std::uint8_t> found(items.size());
    for (const std::string_view section : kItemSections) {
        ForEachItemKey(sections, section, count,
                       [&](std::size_t field, std::size_t number, std::string_view stored) {
                           const std::size_t index = IndexOf(number);
                           const auto bit = static_cast<std::uint8_t>(1U << field);
                           if ((found[index] & bit) == 0) {
                               found[index] |= bit;
                               items[index].*kFields[field]->member = ReadValue(stored);
                           }
                       });
    }
}

} // namespace project
