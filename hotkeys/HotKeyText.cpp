#include "hotkeys/HotKeyText.h"

#include "hotkeys/GlobalHotKeyManager.h"

namespace {

void ApplyModifier(const std::string& token, THotKey& hotKey) {
    if (token == "Ctrl") {
        hotKey.ctrl = true;
    } else if (token == "Alt") {
        hotKey.alt = true;
    } else if (token == "Shift") {
        hotKey.shift = true;
    } else if (token == "Win") {
        hotKey.win = true;
    } else {
        throw TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation();
    }
}

}  // namespace

THotKey ParseHotKey(const std::string& text) {
    if (text.empty()) {
        throw TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation();
    }
    THotKey hotKey;
    std::string::size_type position = 0;
    for (;;) {
        const std::string::size_type dash = text.find('-', position);
        if (dash == std::string::npos) {
            // Without a modifier only a lone character is a hot key: "Ctrl+Alt+N" must not take
            // the plain C key away from every program.
            if (position == 0 && text.size() > 1) {
                throw TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation();
            }
            // "Ctrl-Alt+N" must not bind Ctrl+A and take select-all away from every program. A
            // dash after the key would have been read as the end of a modifier already.
            if (text.find('+', position + 1) != std::string::npos) {
                throw TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation();
            }
            // Read as a byte: a key code above 127 must not come back negative.
            hotKey.key = static_cast<unsigned char>(text[position]);
            return hotKey;
        }
        ApplyModifier(text.substr(position, dash - position), hotKey);
        if (dash + 1 == text.size()) {
            throw TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation();
        }
        position = dash + 1;
    }
}

std::string FormatHotKey(const THotKey& hotKey) {
    std::string text;
    if (hotKey.ctrl) {
        text += "Ctrl-";
    }
    if (hotKey.alt) {
        text += "Alt-";
    }
    if (hotKey.shift) {
        text += "Shift-";
    }
    if (hotKey.win) {
        text += "Win-";
    }
    if (hotKey.key != 0) {
        text += static_cast<char>(hotKey.key & 0xFF);
    }
    return text;
}
