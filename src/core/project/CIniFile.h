#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace project {

// Reads and writes single values of an INI file by section and key. Nothing is cached: every
// read and every write opens the whole file, and a write puts it back atomically.
class CIniFile {
  public:
    const std::filesystem::path& Path() const { return path; }
    void SetPath(std::filesystem::path value) { path = std::move(value); }
    const std::string& Section() const { return section; }
    void SetSection(std::string value) { section = std::move(value); }
    const std::string& Key() const { return key; }
    void SetKey(std::string value) { key = std::move(value); }
    // What a read gives when the file, the section or the key is missing.
    const std::string& Default() const { return defaultValue; }
    void SetDefault(std::string value) { defaultValue = std::move(value); }

    // The value read whole, trimmed and without enclosing quotes.
    std::string Value() const;
    // Creates the file when it is missing; NUL, CR and LF are removed from the value.
    // LastReturnCode tells whether it worked.
    void SetValue(std::string_view value);

    // Non-zero when the last write succeeded, zero when it failed.
    std::int32_t LastReturnCode() const { return lastReturnCode; }

  private:
    std::filesystem::path path;
    std::string section;
    std::string key;
    std::string defaultValue;
    std::int32_t lastReturnCode = 0;
};

} // namespace project
