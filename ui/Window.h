#pragma once

#include "ui/Geometry.h"
#include "ui/Handler.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TWindow;

// The windows that get dialog keyboard handling (Tab, Enter, Escape) in the message loop.
using TDialogWindowList = std::vector<TWindow*>;

struct TMessage {
    HWND window = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

// One top-level native window. Its controls get its messages, in registration order, and paint
// onto its off-screen bitmap, which is filled with the system's face colour. Closing it only runs
// its close handler: it is never destroyed by the user, only by its owner. It follows the system's
// colours and message font while it lives, and keeps the keyboard focus where the user left it.
class TWindow {
public:
    class TControl;

    TWindow(const std::wstring& title, bool visible, TDialogWindowList* dialogWindows);
    ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    HWND GetHandle() const;
    // The interface font at the window's DPI; its controls get it, and measure and paint with it.
    // It is made anew when the DPI or the system's message font changes.
    HFONT GetFont() const;
    int GetDpi() const;
    // A size in pixels at 96 dpi, at the window's DPI.
    int ScaleForDpi(int pixels) const;
    // Shows the window restored if it was minimized, and inside its monitor's work area. The
    // keyboard focus is always drawn in it, whatever the system's keyboard cue setting.
    void Show(bool foreground);
    // Shows the window above the others once, without taking the keyboard from the active
    // window, and flashes its taskbar button until the user turns to it.
    void ShowInFrontWithoutActivating();
    void Hide();
    void Move(TPoint position, TSize size);
    TPoint GetPosition() const;
    TSize GetSize() const;
    TSize GetClientSize() const;
    void Invalidate();
    void Redraw();
    void SetOnSize(THandler handler);
    void SetOnClose(THandler handler);
    // Runs after the system's message font changed and the window laid itself out again in the
    // new font (its size handler ran): a window sized from its texts takes its new size here.
    void SetOnFontChange(THandler handler);
    // Runs when the user's session ends (logoff, shutdown, restart). The window never holds the
    // session up; the system may end the process as soon as the handler returns.
    void SetOnSessionEnd(THandler handler);

private:
    struct TRecord;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void PaintDoubleBuffered();
    void ChangeDpi(int dpi, const RECT& suggested);
    void ChangeFont();
    void FollowSystemColors();
    void MoveFocus(WPARAM wParam, LPARAM lParam);
    bool RestoreFocus();
    void PrepareToShow(int restoreCommand);
    void MoveIntoWorkArea();

    std::unique_ptr<TRecord> Record;
    THandler OnSize;
    THandler OnClose;
    THandler OnFontChange;
    THandler OnSessionEnd;
    TDialogWindowList* DialogWindows;
};

class TWindow::TControl {
public:
    explicit TControl(TWindow& owner);
    virtual ~TControl();
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    TWindow& GetWindow() const { return Owner; }

    // Returns true when it took the message; it may then have set message.result.
    virtual bool ProcessMessage(TMessage& message);
    virtual void Paint(HDC dc);

private:
    TWindow& Owner;
};

// Runs until a quit message (or a failing GetMessageW); listed windows get dialog key handling.
void RunMessageLoop(const TDialogWindowList& dialogWindows);
