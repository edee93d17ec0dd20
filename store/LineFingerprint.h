#pragma once

#include <cstdint>
#include <string_view>

// What tells the data file's lines apart when the file was changed by another program: the
// 64-bit FNV-1a hash of a line's bytes, without its line end.
inline std::uint64_t FingerprintLine(std::string_view line) {
    std::uint64_t hash = 0xCBF29CE484222325u;
    for (const char byte : line) {
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001B3u;
    }
    return hash;
}
