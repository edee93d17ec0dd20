#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// A hyperlink that opens its address with the shell when clicked or when Enter is pressed on it.
class TControlLink : public TWindow::TControl {
public:
    TControlLink(TWindow& owner, const std::wstring& text, const std::wstring& address);

    HWND GetHandle() const { return Native.GetHandle(); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;

    bool ProcessMessage(TMessage& message) override;

private:
    std::wstring Text;
    std::wstring Address;
    TChildWindow Native;  // last, so that it goes first
};
