#pragma once

#include <windows.h>

// Borrows the device context of a window (null: the screen) and gives it back to that same window.
class TDeviceContext {
public:
    explicit TDeviceContext(HWND window) : Window(window), Dc(GetDC(window)) {}
    ~TDeviceContext() {
        if (Dc) {
            ReleaseDC(Window, Dc);
        }
    }
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    HDC GetHandle() const { return Dc; }

private:
    HWND Window;
    HDC Dc;
};

// Selects a pen, brush or bitmap it owns into a device context; puts the previous one back and
// deletes its own.
class TObjectSelection {
public:
    TObjectSelection(HDC dc, HGDIOBJ object) : Dc(dc), Object(object), Previous(SelectObject(dc, object)) {}
    ~TObjectSelection() {
        SelectObject(Dc, Previous);
        DeleteObject(Object);
    }
    TObjectSelection(const TObjectSelection&) = delete;
    TObjectSelection& operator=(const TObjectSelection&) = delete;

private:
    HDC Dc;
    HGDIOBJ Object;
    HGDIOBJ Previous;
};

// The font a window draws its text with (WM_GETFONT); null for the system's.
inline HFONT ReadWindowFont(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

// Selects a font that somebody else owns into a device context, and puts the previous one back.
// A null font leaves the device context's own.
class TFontSelection {
public:
    TFontSelection(HDC dc, HFONT font) : Dc(dc), Previous(font ? SelectObject(dc, font) : nullptr) {}
    ~TFontSelection() {
        if (Previous) {
            SelectObject(Dc, Previous);
        }
    }
    TFontSelection(const TFontSelection&) = delete;
    TFontSelection& operator=(const TFontSelection&) = delete;

private:
    HDC Dc;
    HGDIOBJ Previous;
};

class TBackgroundMode {
public:
    TBackgroundMode(HDC dc, bool transparent)
        : Dc(dc), Previous(SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE)) {}
    ~TBackgroundMode() { SetBkMode(Dc, Previous); }
    TBackgroundMode(const TBackgroundMode&) = delete;
    TBackgroundMode& operator=(const TBackgroundMode&) = delete;

private:
    HDC Dc;
    int Previous;
};

// An off-screen device context compatible with another one, deleted with the holder.
class TMemoryDeviceContext {
public:
    explicit TMemoryDeviceContext(HDC compatibleWith) : Dc(CreateCompatibleDC(compatibleWith)) {}
    ~TMemoryDeviceContext() {
        if (Dc) {
            DeleteDC(Dc);
        }
    }
    TMemoryDeviceContext(const TMemoryDeviceContext&) = delete;
    TMemoryDeviceContext& operator=(const TMemoryDeviceContext&) = delete;

    HDC GetHandle() const { return Dc; }

private:
    HDC Dc;
};

// Makes a window's painting a scoped pair of BeginPaint and EndPaint.
class TPaintSession {
public:
    explicit TPaintSession(HWND window) : Window(window) { Dc = BeginPaint(window, &Info); }
    ~TPaintSession() { EndPaint(Window, &Info); }
    TPaintSession(const TPaintSession&) = delete;
    TPaintSession& operator=(const TPaintSession&) = delete;

    HDC GetHandle() const { return Dc; }

private:
    HWND Window;
    PAINTSTRUCT Info{};
    HDC Dc = nullptr;
};
