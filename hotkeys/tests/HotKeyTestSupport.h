#pragma once

#include "hotkeys/HotKey.h"

#include "tests/support/MessagePumping.h"

#include <windows.h>

#include <string>

// A hot key held by another process for as long as this object lives.
class THotKeyHolder {
public:
    explicit THotKeyHolder(const THotKey& hotKey);
    ~THotKeyHolder();
    THotKeyHolder(const THotKeyHolder&) = delete;
    THotKeyHolder& operator=(const THotKeyHolder&) = delete;

    // True once the other process has registered the combination.
    bool IsHolding() const { return Holding; }
    // Lets the combination go and waits for the other process to end.
    void Release();

private:
    HANDLE Ready = nullptr;
    HANDLE ReleaseRequest = nullptr;
    HANDLE Process = nullptr;
    bool Holding = false;
};

// True when the system refuses the combination to this thread, that is someone has it.
bool IsHotKeyTaken(const THotKey& hotKey);

// The hidden "dummy" window of this thread, when exactly one exists.
HWND FindOnlyDummyWindow();



UINT ToSystemModifiers(const THotKey& hotKey);

std::wstring MakeTemporaryFilePath();
