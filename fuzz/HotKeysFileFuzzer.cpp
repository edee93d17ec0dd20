// The hot keys file: any content gives the well-formed bindings and nothing else.

#include "fuzz/FuzzCheck.h"
#include "hotkeys/HotKeyBindingsFile.h"
#include "hotkeys/HotKeyText.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    std::istringstream input(content);
    const std::vector<THotKeyBinding> bindings = ReadHotKeyBindings(input);

    std::size_t lineCount = 0;
    for (const char character : content) {
        lineCount += character == '\n' ? 1 : 0;
    }
    FUZZ_CHECK(bindings.size() <= lineCount + 1);
    for (const THotKeyBinding& binding : bindings) {
        FUZZ_CHECK(binding.action.find_first_of(":\n") == std::string::npos);
        FUZZ_CHECK(binding.hotKey.key >= 0 && binding.hotKey.key <= 0xFF);
    }

    // What the configuration window writes back reads back the same. It writes only its own
    // actions; another line that begins with a byte-order mark cannot begin a file.
    std::vector<THotKeyBinding> kept;
    std::string written;
    for (const THotKeyBinding& binding : bindings) {
        const bool ours = binding.action == "AddNotification" || binding.action == "ViewAllNotifications";
        if (binding.hotKey.key != 0 && (ours || IsReadBackUnchanged(binding))) {
            FUZZ_CHECK(IsReadBackUnchanged(binding));
            kept.push_back(binding);
            written += FormatHotKeyBinding(binding) + "\r\n";
        }
    }
    std::istringstream writtenInput(written);
    const std::vector<THotKeyBinding> reread = ReadHotKeyBindings(writtenInput);
    FUZZ_CHECK(reread.size() == kept.size());
    for (std::size_t index = 0; index < reread.size(); ++index) {
        FUZZ_CHECK(reread[index].action == kept[index].action);
        FUZZ_CHECK(reread[index].hotKey == kept[index].hotKey);
    }
    return 0;
}
