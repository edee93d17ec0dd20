#include "ui/WindowSubclass.h"

TWindowSubclass::TWindowSubclass(HWND window, const wchar_t* propertyName, void* owner, WNDPROC procedure)
    : Window(window),
      PropertyName(propertyName),
      Previous(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC))) {
    SetPropW(Window, PropertyName, owner);
    SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

TWindowSubclass::~TWindowSubclass() {
    SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Previous));
    RemovePropW(Window, PropertyName);
}

LRESULT TWindowSubclass::CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(Previous, window, message, wParam, lParam);
}
