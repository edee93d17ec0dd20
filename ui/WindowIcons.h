#pragma once

#include <windows.h>

// The program's own icon on a window's title bar, taskbar button and Alt+Tab entry, drawn at
// the sizes the system uses at the window's DPI. A program without an icon leaves the window
// with the system's.
class TWindowIcons {
public:
    TWindowIcons(HWND window, int dpi);
    ~TWindowIcons();
    TWindowIcons(const TWindowIcons&) = delete;
    TWindowIcons& operator=(const TWindowIcons&) = delete;

private:
    HICON Big = nullptr;
    HICON Small = nullptr;
};
