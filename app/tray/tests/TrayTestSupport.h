#pragma once

#include <windows.h>

#include <string>

std::wstring GetOwnExecutablePath();

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
