#include "store/ContentFingerprint.h"

#include "store/ByteWords.h"

std::uint64_t FingerprintContent(std::string_view bytes) {
    const std::uint64_t prime = 0x100000001B3u;
    std::uint64_t hash = 0xCBF29CE484222325u;
    std::size_t at = 0;
    for (; bytes.size() - at >= 8; at += 8) {
        hash = (hash ^ LoadByteWord(bytes.data() + at)) * prime;
    }
    for (; at < bytes.size(); ++at) {
        hash = (hash ^ static_cast<unsigned char>(bytes[at])) * prime;
    }
    return (hash ^ bytes.size()) * prime;
}
