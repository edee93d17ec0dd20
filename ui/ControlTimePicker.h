#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// A time of day or a duration with spin buttons, exchanged as "HH:MM:SS".
class TControlTimePicker : public TWindow::TControl {
public:
    // An empty format keeps the user's time format; "HH:mm:ss" suits a duration.
    TControlTimePicker(TWindow& owner, const std::wstring& format);

    HWND GetHandle() const { return Native.GetHandle(); }
    // For screen readers, where no label stands before the field.
    void SetAccessibleName(const std::wstring& name) { Native.GetAnnotation().SetName(name); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;
    // Reads hours, minutes and seconds; an impossible time leaves the shown one as it was.
    void SetTime(const std::string& time);
    std::string GetTime() const;

private:
    TChildWindow Native;
};
