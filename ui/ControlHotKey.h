#pragma once

#include "hotkeys/HotKey.h"
#include "ui/ChildWindow.h"
#include "ui/Window.h"
#include "ui/WindowSubclass.h"

#include <string>

// A field that shows a key combination and takes one typed by the user. The native field knows
// no Windows key: that modifier is dropped on the way in and never comes back. Its extended-key
// flag only names the key shown, so it is set for the keys that have it and not read back. Alt
// with a letter typed into it is a combination, never an access key of its window.
class TControlHotKey : public TWindow::TControl {
public:
    explicit TControlHotKey(TWindow& owner);

    HWND GetHandle() const { return Native.GetHandle(); }
    // For screen readers, where no label stands before the field.
    void SetAccessibleName(const std::wstring& name) { Native.GetAnnotation().SetName(name); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;
    THotKey GetHotKey() const;
    void SetHotKey(const THotKey& hotKey);
    void SetOnChange(THandler handler) { OnChange = std::move(handler); }

    bool ProcessMessage(TMessage& message) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    THandler OnChange;
    // Declared last so that they go first: the subclass is removed before the window is destroyed.
    TChildWindow Native;
    TWindowSubclass Subclass;
};
