#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// The text with NUL, CR and LF removed, so it cannot break an INI file into extra lines.
std::string IniSafeText(std::string_view text);
void AppendIniSafe(std::string& out, std::string_view text);

// A value as written to a line: safe, and a value that a read would take out of its enclosing
// quotes gets one more pair, so quotes the user typed survive a save and a load.
void AppendIniValue(std::string& out, std::string_view value);

// An INI file held in memory, read and changed the way the Windows profile functions do it:
// section and key names match without regard to letter case, the first occurrence counts, values
// are read trimmed and without a pair of enclosing quotes.
class CIniDocument {
  public:
    // Accepts CR LF and LF-only line ends.
    explicit CIniDocument(std::string_view text = {});

    // The value of `key` in `section`; nothing when either is missing.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;

    // Replaces the key's line in place, or adds "key=value" after the last line of the section,
    // or adds the section at the end of the file. NUL, CR and LF are removed first.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole file with CR LF line ends.
    std::string Text() const;

  private:
    struct Section {
        std::string_view name;
        std::vector<std::string_view> lines; // the "[name]" line first
    };

    // Where the first section of that name stands; a repeated section is never searched.
    std::optional<std::size_t> FindSection(std::string_view name) const;
    std::string_view Store(std::string line);

    // The characters of every line; a deque never moves what it holds. A replaced line stays
    // here until the document goes.
    std::deque<std::string> storage;
    // Lines before the first section; never changed.
    std::vector<std::string_view> preamble;
    std::vector<Section> sections;
};

} // namespace project
