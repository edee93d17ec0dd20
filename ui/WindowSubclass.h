#pragma once

#include <windows.h>

// Puts a window procedure in front of a native window's own, with the subclassing object attached
// as a named property; the holder puts the original procedure back and removes the property.
class TWindowSubclass {
public:
    TWindowSubclass(HWND window, const wchar_t* propertyName, void* owner, WNDPROC procedure);
    ~TWindowSubclass();
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HWND Window;
    const wchar_t* PropertyName;
    WNDPROC Previous;
};
