#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// The words that name the field created right after it. A native static control, so that it
// stands before the field in the window's order: screen readers name the field after it, and its
// access key ("&Text") moves the focus to the field.
class TControlLabel : public TWindow::TControl {
public:
    TControlLabel(TWindow& owner, const std::wstring& caption);

    HWND GetHandle() const { return Native.GetHandle(); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    // The extent of the words shown, without the access key's mark.
    TSize GetPreferredSize() const;

    bool ProcessMessage(TMessage& message) override;

private:
    std::wstring Caption;
    TChildWindow Native;  // last, so that it goes first
};
