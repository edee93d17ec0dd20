#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Plays the user of a popup menu while the menu's own loop runs: a thread timer finds the open
// menu, notes what it shows and posts the keys to it.
struct TMenuUser {
    std::vector<WPARAM> keys;
    std::vector<std::wstring> captionsSeen;
    int defaultSeen = -2;
    RECT placeSeen{};
    bool done = false;
};

// The user is played while the timer lives; one at a time.
class TMenuUserTimer {
public:
    explicit TMenuUserTimer(TMenuUser& user);
    ~TMenuUserTimer();
    TMenuUserTimer(const TMenuUserTimer&) = delete;
    TMenuUserTimer& operator=(const TMenuUserTimer&) = delete;

private:
    UINT_PTR Identifier;
};
