#include "project/ItemSections.h"

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

const model::MenuItem kMissingFields{"", "", "", model::kNo, "", "", ""};

// The first key that names a field of an item counts: `found` holds a bit for each field.
void Store(FileItems& read, std::vector<std::uint8_t>& found, std::size_t index, std::size_t field,
           std::string_view stored) {
    const auto bit = static_cast<std::uint8_t>(1U << field);
    if ((found[index] & bit) == 0) {
        found[index] |= bit;
        read.items[index].*kFields[field]->member = ReadValue(stored);
    }
}

// Items named 1, 2, 3 ... in the order of the file, as the program writes them, are read in
// one pass; false when a number skips ahead.
bool ReadItemsInOrder(const CSectionIndex& sections, std::size_t count, FileItems& read) {
    // Room for the items the first section names in order, so the list does not move while it
    // grows; each of them is real, named by a line of its own.
    std::size_t named = 0;
    ForEachItemKey(sections, kItemsSection, count, [&](std::size_t, std::size_t number, auto) {
        if (number == named + 1) {
            ++named;
        }
    });
    read.items.reserve(named);
    std::vector<std::uint8_t> found;
    found.reserve(named);
    bool inOrder = true;
    for (const std::string_view section : kItemSections) {
        ForEachItemKey(sections, section, count,
                       [&](std::size_t field, std::size_t number, std::string_view stored) {
                           if (inOrder && number == read.items.size() + 1) {
                               read.items.push_back(kMissingFields);
                               found.push_back(0);
                           }
                           if (number > read.items.size()) {
                               inOrder = false;
                           } else if (inOrder) {
                               Store(read, found, number - 1, field, stored);
                           }
                       });
    }
    return inOrder;
}

// Every number the item sections name. Each section's numbers usually ascend, so they are merged
// in one linear step; only a shuffled section is sorted.
std::vector<std::uint32_t> NamedNumbers(const CSectionIndex& sections, std::size_t count) {
    std::vector<std::uint32_t> numbers;
    std::vector<std::uint32_t> named;
    std::vector<std::uint32_t> merged;
    for (const std::string_view section : kItemSections) {
        named.clear();
        ForEachItemKey(sections, section, count, [&](std::size_t, std::size_t number, auto) {
            named.push_back(static_cast<std::uint32_t>(number));
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
    return numbers;
}

} // namespace

FileItems ReadFileItems(const CSectionIndex& sections, std::size_t count) {
    FileItems read;
    if (count == 0 || ReadItemsInOrder(sections, count, read)) {
        return read;
    }
    read.numbers = NamedNumbers(sections, count);
    read.items.assign(read.numbers.size(), kMissingFields);
    std::vector<std::uint8_t> found(read.items.size());
    for (const std::string_view section : kItemSections) {
        ForEachItemKey(sections, section, count,
                       [&](std::size_t field, std::size_t number, std::string_view stored) {
                           const auto at =
                               std::lower_bound(read.numbers.begin(), read.numbers.end(), number);
                           Store(read, found, static_cast<std::size_t>(at - read.numbers.begin()),
                                 field, stored);
                       });
    }
    return read;
}

} // namespace project
