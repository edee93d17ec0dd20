#pragma once

#include "ui/DeviceContext.h"

#include <windows.h>

#include <string>

// Delivers whatever the controls posted to themselves or their window.
inline void PumpPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

inline std::wstring ReadWindowText(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

inline COLORREF ReadPixel(HWND window, int x, int y) {
    TDeviceContext dc(window);
    return GetPixel(dc.GetHandle(), x, y);
}
