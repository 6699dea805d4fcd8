#include "project/IniDocument.h"

#include "project/IniLines.h"

#include <algorithm>
#include <utility>

namespace project {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Where the key stands in the section's lines; nothing when it is not there.
std::optional<std::size_t> FindKeyLine(const std::vector<std::string_view>& lines,
                                       std::string_view key) {
    for (std::size_t at = 1; at < lines.size(); ++at) {
        const auto keyLine = SplitKeyLine(lines[at]);
        if (keyLine && SameName(keyLine->key, key)) {
            return at;
        }
    }
    return std::nullopt;
}

} // namespace

std::string IniSafeText(std::string_view text) {
    std::string safe;
    AppendIniSafe(safe, text);
    return safe;
}

void AppendIniSafe(std::string& out, std::string_view text) {
    std::copy_if(text.begin(), text.end(), std::back_inserter(out),
                 [](char c) { return c != '\0' && c != '\r' && c != '\n'; });
}

void AppendIniValue(std::string& out, std::string_view value) {
    const std::string safe = IniSafeText(value);
    const std::string_view inner = TrimBlanks(safe);
    if (ReadValue(inner).size() == inner.size()) {
        out += safe;
        return;
    }
    // Blanks stay outside the quotes: leading ones are dropped on reading either way.
    const auto start = static_cast<std::size_t>(inner.data() - safe.data());
    out.append(safe, 0, start);
    out += '"';
    out += inner;
    out += '"';
    out.append(safe, start + inner.size());
}

CIniDocument::CIniDocument(std::string_view text) {
    std::string_view rest = Store(std::string(text));
    while (!rest.empty()) {
        const std::string_view line = TakeLine(rest);
        if (const auto name = SectionName(line)) {
            sections.push_back(Section{*name, {line}});
        } else if (sections.empty()) {
            preamble.push_back(line);
        } else {
            sections.back().lines.push_back(line);
        }
    }
}

std::string_view CIniDocument::Store(std::string line) {
    return storage.emplace_back(std::move(line));
}

std::optional<std::size_t> CIniDocument::FindSection(std::string_view name) const {
    const std::string_view wanted = TrimBlanks(name);
    for (std::size_t at = 0; at < sections.size(); ++at) {
        if (SameName(sections[at].name, wanted)) {
            return at;
        }
    }
    return std::nullopt;
}

std::optional<std::string_view> CIniDocument::Find(std::string_view section,
                                                   std::string_view key) const {
    const auto found = FindSection(section);
    if (!found) {
        return std::nullopt;
    }
    const auto& lines = sections[*found].lines;
    const auto at = FindKeyLine(lines, TrimBlanks(key));
    if (!at) {
        return std::nullopt;
    }
    return ReadValue(SplitKeyLine(lines[*at])->value);
}

void CIniDocument::SetValue(std::string_view section, std::string_view key,
                            std::string_view value) {
    const std::string safeSection = IniSafeText(section);
    const std::string safeKey = IniSafeText(key);
    const std::string_view sectionName = TrimBlanks(safeSection);
    const std::string_view keyName = TrimBlanks(safeKey);

    auto found = FindSection(sectionName);
    if (!found) {
        const std::string_view header = Store("[" + std::string(sectionName) + "]");
        found = sections.size();
        sections.push_back(Section{*SectionName(header), {header}});
    }
    auto& lines = sections[*found].lines;
    if (const auto at = FindKeyLine(lines, keyName)) {
        std::string line(SplitKeyLine(lines[*at])->key);
        line += '=';
        AppendIniValue(line, value);
        lines[*at] = Store(std::move(line));
        return;
    }
    // A new key goes after the section's last line that is not blank.
    std::size_t at = lines.size();
    while (at > 1 && TrimBlanks(lines[at - 1]).empty()) {
        --at;
    }
    std::string line(keyName);
    line += '=';
    AppendIniValue(line, value);
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), Store(std::move(line)));
}

std::string CIniDocument::Text() const {
    std::size_t size = 0;
    std::vector<std::string_view> all(preamble);
    for (const auto& section : sections) {
        all.insert(all.end(), section.lines.begin(), section.lines.end());
    }
    for (const auto line : all) {
        size += line.size() + kLineEnd.size();
    }
    std::string text;
    text.reserve(size);
    for (const auto line : all) {
        text += line;
        text += kLineEnd;
    }
    return text;
}

} // namespace project
