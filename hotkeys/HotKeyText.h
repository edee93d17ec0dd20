#pragma once

#include "hotkeys/HotKey.h"

#include <string>

// The text form of a hot key, as in "Ctrl-Alt-N": modifiers ("Ctrl", "Alt", "Shift", "Win"), each
// followed by a dash, in any order, then the key's character. Characters after the key are
// ignored, unless a plus among them shows that another modifier was meant, as in "Ctrl-Alt+N".

// Throws TGlobalHotKeyManager::TExceptionIncorrectStringRepresentation.
THotKey ParseHotKey(const std::string& text);

// Modifiers always in the order Ctrl, Alt, Shift, Win; a hot key without a key gives only them.
std::string FormatHotKey(const THotKey& hotKey);
