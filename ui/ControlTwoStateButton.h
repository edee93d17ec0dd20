#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"
#include "ui/WindowSubclass.h"

#include <string>

// A button that reports going down and coming back up (for recording while it is held). It
// watches the native button's pushed state after every message the button gets, so mouse, space
// bar and dragging off the held button are all covered. Its clicks are not reported.
class TControlTwoStateButton : public TWindow::TControl {
public:
    TControlTwoStateButton(TWindow& owner, const std::wstring& caption);

    HWND GetHandle() const { return Native.GetHandle(); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;
    void SetOnPress(THandler handler) { OnPress = std::move(handler); }
    void SetOnRelease(THandler handler) { OnRelease = std::move(handler); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void FollowPushedState();

    std::wstring Caption;
    THandler OnPress;
    THandler OnRelease;
    bool Pushed = false;
    // Declared last so that they go first: the subclass is removed before the window is destroyed.
    TChildWindow Native;
    TWindowSubclass Subclass;
};
