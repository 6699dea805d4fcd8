#include "import/Gzip.h"

#include <algorithm>
#include <array>
#include <limits>
#include <zlib.h>

namespace importing {

bool LooksGzipped(std::string_view bytes) {
    return bytes.size() >= 2 && bytes[0] == '\x1f' && bytes[1] == '\x8b';
}

Unpacked Gunzip(std::string_view packed, std::size_t limit) {
    z_stream stream{};
    // 16 + MAX_WBITS: a gzip header and trailer, checked.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        return {Unpacked::Status::Damaged, {}};
    }
    Unpacked out;
    std::array<unsigned char, 64 * 1024> chunk{};
    // zlib counts in uInt; a larger input is fed in parts.
    constexpr std::size_t kMaxFeed = std::numeric_limits<uInt>::max();
    auto* next = reinterpret_cast<const Bytef*>(packed.data());
    std::size_t left = packed.size();
    int status = Z_OK;
    while (true) {
        if (stream.avail_in == 0 && left > 0) {
            const std::size_t feed = std::min(left, kMaxFeed);
            stream.next_in = const_cast<Bytef*>(next);
            stream.avail_in = static_cast<uInt>(feed);
            next += feed;
            left -= feed;
        }
        stream.next_out = chunk.data();
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = chunk.size() - stream.avail_out;
        if (out.bytes.size() + produced > limit) {
            out = {Unpacked::Status::TooLarge, {}};
            break;
        }
        out.bytes.append(reinterpret_cast<const char*>(chunk.data()), produced);
        if (status == Z_STREAM_END) {
            // Another member may follow, as gzip itself allows.
            if (stream.avail_in == 0 && left == 0) {
                break;
            }
            status = inflateReset(&stream);
        }
        const bool stuck = status == Z_BUF_ERROR && stream.avail_in == 0 && left == 0;
        if ((status != Z_OK && status != Z_BUF_ERROR) || stuck) {
            out = {Unpacked::Status::Damaged, {}};
            break;
        }
    }
    inflateEnd(&stream);
    return out;
}

} // namespace importing
