#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Tells whether the data file still holds what the store knows of it: taken of the bytes read
// from the file at once, and of the bytes a change writes, piece by piece, with the same result
// for the same bytes. FNV-1a over eight bytes at a time, then the bytes left over and the size.
class TContentFingerprint {
public:
    void Add(std::string_view bytes);
    std::uint64_t Get() const;

private:
    void AddWord(const char* word);

    std::uint64_t Hash = 0xCBF29CE484222325u;
    std::uint64_t Size = 0;
    char Pending[8] = {};
    std::size_t PendingSize = 0;
};

std::uint64_t FingerprintContent(std::string_view bytes);
