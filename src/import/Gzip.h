#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace importing {

// Whether bytes start like a gzip file.
bool LooksGzipped(std::string_view bytes);

struct Unpacked {
    enum class Status { Ok, Damaged, TooLarge };
    Status status = Status::Ok;
    std::string bytes;
};

// Unpacks every member of a gzip file; stops as soon as the output would pass `limit`.
Unpacked Gunzip(std::string_view packed, std::size_t limit);

} // namespace importing
