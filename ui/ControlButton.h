#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// A push button. The default one also answers IDOK, which is how the dialog key handling of the
// message loop delivers Enter.
class TControlButton : public TWindow::TControl {
public:
    TControlButton(TWindow& owner, const std::wstring& caption, bool isDefault);

    HWND GetHandle() const { return Native.GetHandle(); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;
    void SetOnClick(THandler handler) { OnClick = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    std::wstring Caption;
    bool IsDefault;
    THandler OnClick;
    TChildWindow Native;  // last, so that it goes first
};
