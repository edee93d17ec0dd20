#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"
#include "ui/WindowSubclass.h"

#include <string>

// A text to read, select and copy but not to change: a read-only multi-line edit box on the
// window's face, in the system's colours, its lines centred and wrapped at word boundaries. Given
// less height than the text needs, it shows a scroll bar. Screen readers read it as any edit box,
// the text being its value.
class TControlTextView : public TWindow::TControl {
public:
    TControlTextView(TWindow& owner, const std::wstring& text);

    HWND GetHandle() const { return Native.GetHandle(); }
    // The size that shows the whole text, wrapped so that no line is wider than wrapWidth.
    TSize GetPreferredSize(int wrapWidth) const;
    // The width a scroll bar takes from the view at the window's DPI.
    int GetScrollBarWidth() const;
    void Move(TPoint position, TSize size);
    void SetAccessibleName(const std::wstring& name) { Native.GetAnnotation().SetName(name); }
    // Has screen readers speak the text now, interrupting what they say, without the focus coming
    // here: the text is a live region whose change is announced, or where the system has no live
    // regions (before Windows 8) or cannot mark one, it raises an alert.
    void Announce();

    bool ProcessMessage(TMessage& message) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    int GetMarginsWidth() const;

    std::wstring Text;
    bool HoldsText = false;
    // Declared last so that they go first: the subclass is removed before the window is destroyed.
    TChildWindow Native;
    TWindowSubclass Subclass;
};
