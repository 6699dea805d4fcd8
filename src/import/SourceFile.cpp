#include "import/SourceFile.h"

#include "import/Gzip.h"
#include "import/ImportLimits.h"
#include "import/ImportTexts.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace importing {
namespace {

constexpr std::size_t kSniffBytes = 4096;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// Text never holds NUL characters, except when it is UTF-16, which starts with its mark.
bool LooksBinary(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        return false;
    }
    return bytes.substr(0, kSniffBytes).find('\0') != std::string_view::npos;
}

} // namespace

std::optional<std::string> ReadFileStart(const std::filesystem::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 64 * 1024> chunk{};
    while (bytes.size() < limit && in) {
        const std::size_t want = std::min(chunk.size(), limit - bytes.size());
        in.read(chunk.data(), static_cast<std::streamsize>(want));
        bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

std::string DisplayName(const std::filesystem::path& path) {
    const auto name = path.filename().string();
    return name.empty() ? path.parent_path().filename().string() : name;
}

SourceBytes ReadSourceFile(const std::filesystem::path& path) {
    const std::string name = DisplayName(path);
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return {{}, ImportText{texts::kFileUnreadable, {name}}};
    }
    // One byte past the limit tells a file that is too large.
    auto bytes = ReadFileStart(path, kMaxFileBytes + 1);
    if (!bytes) {
        return {{}, ImportText{texts::kFileUnreadable, {name}}};
    }
    if (bytes->size() > kMaxFileBytes) {
        return {{}, ImportText{texts::kFileTooLarge, {name, std::to_string(kMaxFileMegabytes)}}};
    }
    return CheckSourceBytes(std::move(*bytes), name);
}

SourceBytes CheckSourceBytes(std::string bytes, const std::string& name) {
    if (LooksGzipped(bytes)) {
        auto unpacked = Gunzip(bytes, kMaxFileBytes);
        if (unpacked.status == Unpacked::Status::Damaged) {
            return {{}, ImportText{texts::kBadGzip, {name}}};
        }
        if (unpacked.status == Unpacked::Status::TooLarge) {
            return {{},
                    ImportText{texts::kGzipTooLarge, {name, std::to_string(kMaxFileMegabytes)}}};
        }
        bytes = std::move(unpacked.bytes);
    }
    if (std::all_of(bytes.begin(), bytes.end(), IsBlank)) {
        return {{}, ImportText{texts::kFileEmpty, {name}}};
    }
    if (LooksBinary(bytes)) {
        return {{}, ImportText{texts::kNotText, {name}}};
    }
    return {std::move(bytes), std::nullopt};
}

} // namespace importing
