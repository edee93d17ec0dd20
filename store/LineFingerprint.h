#pragma once

#include "store/ByteWords.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// What tells the data file's lines apart when another program changed the file: FNV-1a over the
// line's length and its bytes, without its line end, taken eight bytes at a time, since every
// change of the data file takes the fingerprint of every line it reads.
inline std::uint64_t FingerprintLine(std::string_view line) {
    const std::uint64_t prime = 0x100000001B3u;
    std::uint64_t hash = (0xCBF29CE484222325u ^ line.size()) * prime;
    std::size_t at = 0;
    for (; line.size() - at >= 8; at += 8) {
        hash = (hash ^ LoadByteWord(line.data() + at)) * prime;
    }
    for (; at < line.size(); ++at) {
        hash = (hash ^ static_cast<unsigned char>(line[at])) * prime;
    }
    return hash;
}
