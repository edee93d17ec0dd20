#pragma once

#include "ui/ChildWindow.h"
#include "ui/Window.h"

#include <string>

// A calendar date in the user's short date format, exchanged as "YYYY.MM.DD".
class TControlDatePicker : public TWindow::TControl {
public:
    explicit TControlDatePicker(TWindow& owner);

    HWND GetHandle() const { return Native.GetHandle(); }
    // For screen readers, where no label stands before the field.
    void SetAccessibleName(const std::wstring& name) { Native.GetAnnotation().SetName(name); }
    void Move(TPoint position, TSize size) { Native.Move(position, size); }
    TSize GetPreferredSize() const;
    // Reads year, month and day; an impossible date leaves the shown one as it was.
    void SetDate(const std::string& date);
    std::string GetDate() const;

    // Its drop-down calendar is a window of its own and takes the window's font only when told.
    bool ProcessMessage(TMessage& message) override;

private:
    TChildWindow Native;
};
