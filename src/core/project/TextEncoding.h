#pragma once

#include <string>
#include <string_view>

namespace project {

// Whether `bytes` are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The text of a file as UTF-8: valid UTF-8 is kept as it is, anything else is read as
// Windows-1252 (files from older systems). A UTF-8 byte-order mark and NUL characters are
// dropped.
std::string DecodeText(std::string_view bytes);

// The text of `bytes` as DecodeText gives it, without a copy when the bytes already are that
// text; otherwise decoded into `storage`.
std::string_view DecodedView(std::string_view bytes, std::string& storage);

} // namespace project
