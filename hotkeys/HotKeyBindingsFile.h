#pragma once

#include "hotkeys/HotKey.h"

#include <istream>
#include <string>
#include <vector>

// One line of the hot keys file, "AddNotification:Ctrl-Alt-N": an action name and its hot key.
struct THotKeyBinding {
    std::string action;
    THotKey hotKey;
};

// The well-formed lines in file order. Empty lines, lines without a colon and lines whose hot key
// text does not parse are left out; action names are not checked here. The stream gives the
// file's bytes (open it in binary): UTF-8 with or without a mark, or UTF-16 behind its mark, as
// the data file is read (see DataFileEncoding.h); a line ends with LF or CRLF.
std::vector<THotKeyBinding> ReadHotKeyBindings(std::istream& input);

// The binding's line, without its line end.
std::string FormatHotKeyBinding(const THotKeyBinding& binding);
// Whether the binding's line reads back as the same binding. Some cannot: Insert's key character
// is the dash, and a combination without a key has no key character at all. The line is read with
// the CRLF that the configuration window writes.
bool IsReadBackUnchanged(const THotKeyBinding& binding);
