#pragma once

#include <cstdint>
#include <cstring>

// Eight bytes of text tested at once, for the scans that every change of the data file makes
// over every byte of it.

inline std::uint64_t LoadByteWord(const char* bytes) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// A byte equal to wanted turns to zero. The top bit of (x - 1) & ~x is set in a byte only when
// that byte or one below it is zero, so the answer for the whole word is exact.
inline bool HoldsByte(std::uint64_t word, char wanted) {
    const std::uint64_t ones = 0x0101010101010101u;
    const std::uint64_t zeroWhereWanted = word ^ (ones * static_cast<unsigned char>(wanted));
    return ((zeroWhereWanted - ones) & ~zeroWhereWanted & (ones * 0x80)) != 0;
}

inline bool HoldsNonAscii(std::uint64_t word) { return (word & 0x8080808080808080u) != 0; }
