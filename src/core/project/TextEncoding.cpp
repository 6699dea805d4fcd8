#include "project/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace project {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::uint64_t kHighBits = 0x8080808080808080U;

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned bytes keep their
// C1 control code points, as the Windows conversion does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool EightAscii(const char* at) {
    std::uint64_t eight = 0;
    std::memcpy(&eight, at, sizeof eight);
    return (eight & kHighBits) == 0;
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0U) == 0x80U;
}

void AppendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0U | (code >> 6));
        out += static_cast<char>(0x80U | (code & 0x3FU));
    } else {
        out += static_cast<char>(0xE0U | (code >> 12));
        out += static_cast<char>(0x80U | ((code >> 6) & 0x3FU));
        out += static_cast<char>(0x80U | (code & 0x3FU));
    }
}

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            // Plain ASCII, most of any file, is passed over eight bytes at a time.
            ++i;
            while (bytes.size() - i >= sizeof(std::uint64_t) && EightAscii(bytes.data() + i)) {
                i += sizeof(std::uint64_t);
            }
            continue;
        }
        if ((lead & 0xE0U) == 0xC0U) {
            length = 2;
            code = lead & 0x1FU;
            smallest = 0x80;
        } else if ((lead & 0xF0U) == 0xE0U) {
            length = 3;
            code = lead & 0x0FU;
            smallest = 0x800;
        } else if ((lead & 0xF8U) == 0xF0U) {
            length = 4;
            code = lead & 0x07U;
            smallest = 0x10000;
        } else {
            return false;
        }
        if (bytes.size() - i < length) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (!IsContinuation(next)) {
                return false;
            }
            code = (code << 6) | (next & 0x3FU);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string DecodeText(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string out;
    if (IsValidUtf8(bytes)) {
        out = bytes;
    } else {
        out.reserve(bytes.size() + bytes.size() / 2);
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte >= 0x80 && byte < 0xA0) {
                AppendUtf8(out, kWindows1252High[byte - 0x80U]);
            } else {
                AppendUtf8(out, byte);
            }
        }
    }
    // Values never hold NUL (writing removes it), so reading drops it too: a value then reads
    // the same before and after a save.
    std::erase(out, '\0');
    return out;
}

std::string_view DecodedView(std::string_view bytes, std::string& storage) {
    if (!bytes.starts_with(kByteOrderMark) && bytes.find('\0') == std::string_view::npos &&
        IsValidUtf8(bytes)) {
        return bytes;
    }
    storage = DecodeText(bytes);
    return storage;
}

} // namespace project
