#pragma once

#include "hotkeys/HotKey.h"

// A hot key value in one expression; brace initialisation would break the test macros' arguments.
inline THotKey MakeHotKey(int key, bool shift, bool alt, bool ctrl, bool win) {
    THotKey hotKey;
    hotKey.key = key;
    hotKey.shift = shift;
    hotKey.alt = alt;
    hotKey.ctrl = ctrl;
    hotKey.win = win;
    return hotKey;
}
