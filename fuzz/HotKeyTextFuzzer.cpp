// The hot key text form: any text either parses or throws the one exception of a malformed
// text; a hot key the form can hold comes back from its text unchanged.

#include "fuzz/FuzzCheck.h"
#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyText.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

void CheckText(const std::string& text) {
    THotKey hotKey;
    try {
        hotKey = ParseHotKey(text);
    } catch (const TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation&) {
        return;
    }
    FUZZ_CHECK(hotKey.key >= 0 && hotKey.key <= 0xFF);
    if (hotKey.key != 0) {
        FUZZ_CHECK(ParseHotKey(FormatHotKey(hotKey)) == hotKey);
    }
}

// The text form holds one byte of key and no dash as key; a key of 0 writes no key at all.
bool CanBeWritten(const THotKey& hotKey) { return hotKey.key > 0 && hotKey.key <= 0xFF && hotKey.key != '-'; }

void CheckValue(const std::uint8_t* data, std::size_t size) {
    if (size < 5) {
        return;
    }
    THotKey hotKey;
    std::uint32_t key = 0;
    std::memcpy(&key, data, sizeof(key));
    hotKey.key = static_cast<std::int32_t>(key);
    hotKey.shift = (data[4] & 1) != 0;
    hotKey.alt = (data[4] & 2) != 0;
    hotKey.ctrl = (data[4] & 4) != 0;
    hotKey.win = (data[4] & 8) != 0;
    const std::string text = FormatHotKey(hotKey);
    if (CanBeWritten(hotKey)) {
        FUZZ_CHECK(ParseHotKey(text) == hotKey);
        return;
    }
    CheckText(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckText(std::string(reinterpret_cast<const char*>(data), size));
    CheckValue(data, size);
    return 0;
}
