#pragma once

#include "ui/AccessibleAnnotation.h"
#include "ui/Geometry.h"

#include <windows.h>

#include <memory>
#include <string>

// The native child window of a control, destroyed with its holder.
class TChildWindow {
public:
    struct TCreation {
        const wchar_t* className;
        std::wstring text;
        DWORD style;
        DWORD extendedStyle;
        TSize size;
        // ICC_ flags of the common control classes the window class needs; 0 for user32's own.
        DWORD commonControlClasses = 0;
    };

    // Created at (0, 0) as a child of parent, without a control identifier.
    TChildWindow(HWND parent, const TCreation& creation);
    ~TChildWindow();
    TChildWindow(const TChildWindow&) = delete;
    TChildWindow& operator=(const TChildWindow&) = delete;

    HWND GetHandle() const { return Handle; }
    void Move(TPoint position, TSize size);
    // What screen readers are told of the control beyond what it says itself; made when first
    // asked for, taken back before the control is destroyed.
    TAccessibleAnnotation& GetAnnotation();

private:
    HWND Handle;
    std::unique_ptr<TAccessibleAnnotation> Annotation;
};
