#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// A line for the user to read that names no field: a native static, hidden while it has no text,
// and cut with an ellipsis where the window is too narrow for it ("&" shows as it is).
class TControlNote : public TWindow::TControl {
public:
    explicit TControlNote(TWindow& owner);

    HWND GetHandle() const { return Native.GetHandle(); }
    void SetText(const std::wstring& text);
    bool HasText() const { return !Text.empty(); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;

    bool ProcessMessage(TMessage& message) override;

private:
    std::wstring Text;
    TChildWindow Native;  // last, so that it goes first
};
