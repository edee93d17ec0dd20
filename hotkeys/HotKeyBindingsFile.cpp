#include "hotkeys/HotKeyBindingsFile.h"

#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyText.h"
#include "store/DataFileEncoding.h"

#include <iterator>
#include <sstream>

// The file is read as the data file is, whatever form an editor saved it in.
std::vector<THotKeyBinding> ReadHotKeyBindings(std::istream& input) {
    std::string bytes;
    if (input) {
        bytes.assign(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
    }
    std::istringstream text(ReadDataFileText(bytes));
    std::vector<THotKeyBinding> bindings;
    std::string line;
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        const std::string::size_type colon = line.find(':');
        if (colon == std::string::npos) {
            continue;
        }
        try {
            bindings.push_back(THotKeyBinding{line.substr(0, colon), ParseHotKey(line.substr(colon + 1))});
        } catch (const TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation&) {
            // A line the user broke by hand binds nothing; the others still count.
        }
    }
    return bindings;
}

std::string FormatHotKeyBinding(const THotKeyBinding& binding) {
    return binding.action + ":" + FormatHotKey(binding.hotKey);
}

bool IsReadBackUnchanged(const THotKeyBinding& binding) {
    std::istringstream line(FormatHotKeyBinding(binding) + "\r\n");
    const std::vector<THotKeyBinding> read = ReadHotKeyBindings(line);
    return read.size() == 1 && read[0].action == binding.action && read[0].hotKey == binding.hotKey;
}
