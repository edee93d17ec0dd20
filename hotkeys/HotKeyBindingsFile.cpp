#include "hotkeys/HotKeyBindingsFile.h"

#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyText.h"

std::vector<THotKeyBinding> ReadHotKeyBindings(std::istream& input) {
    std::vector<THotKeyBinding> bindings;
    std::string line;
    while (std::getline(input, line)) {
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
