#include "store/ContentFingerprint.h"

#include "store/ByteWords.h"

#include <algorithm>

namespace {

const std::uint64_t Prime = 0x100000001B3u;

}  // namespace

void TContentFingerprint::Add(std::string_view bytes) {
    Size += bytes.size();
    if (PendingSize != 0) {
        const std::size_t taken = std::min(bytes.size(), sizeof(Pending) - PendingSize);
        std::copy_n(bytes.data(), taken, Pending + PendingSize);
        PendingSize += taken;
        bytes.remove_prefix(taken);
        if (PendingSize < sizeof(Pending)) {
            return;
        }
        AddWord(Pending);
        PendingSize = 0;
    }
    for (; bytes.size() >= sizeof(Pending); bytes.remove_prefix(sizeof(Pending))) {
        AddWord(bytes.data());
    }
    std::copy_n(bytes.data(), bytes.size(), Pending);
    PendingSize = bytes.size();
}

std::uint64_t TContentFingerprint::Get() const {
    std::uint64_t hash = Hash;
    for (std::size_t index = 0; index < PendingSize; ++index) {
        hash = (hash ^ static_cast<unsigned char>(Pending[index])) * Prime;
    }
    return (hash ^ Size) * Prime;
}

void TContentFingerprint::AddWord(const char* word) { Hash = (Hash ^ LoadByteWord(word)) * Prime; }

std::uint64_t FingerprintContent(std::string_view bytes) {
    TContentFingerprint fingerprint;
    fingerprint.Add(bytes);
    return fingerprint.Get();
}
