#pragma once

#include "hotkeys/HotKey.h"

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

// Runs the thread's messages for the given time, or until done returns true.
template <typename TDone>
bool PumpMessagesUntil(TDone done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message;
    while (!done()) {
        if (GetTickCount() - start > milliseconds) {
            return false;
        }
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    return true;
}

void PumpMessagesFor(DWORD milliseconds);

UINT ToSystemModifiers(const THotKey& hotKey);

std::wstring MakeTemporaryFilePath();
