#pragma once

#include <cstdint>
#include <string_view>

// Tells whether a data file saved in another encoding or order still holds what it held: FNV-1a
// over eight bytes at a time, then the bytes left over and the size.
std::uint64_t FingerprintContent(std::string_view bytes);
