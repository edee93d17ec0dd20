#pragma once

// A key combination: the virtual-key code (0 for none) and its modifiers.
struct THotKey {
    int key = 0;
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool win = false;
};

inline bool operator==(const THotKey& a, const THotKey& b) {
    return a.key == b.key && a.shift == b.shift && a.alt == b.alt && a.ctrl == b.ctrl && a.win == b.win;
}

inline bool operator!=(const THotKey& a, const THotKey& b) { return !(a == b); }
