#include "ui/ChildWindow.h"

#include "ui/CommonControls.h"
#include "ui/DeviceContext.h"

namespace {

HWND CreateChild(HWND parent, const TChildWindow::TCreation& creation) {
    if (creation.commonControlClasses != 0) {
        InitCommonControlClasses(creation.commonControlClasses);
    }
    return CreateWindowExW(creation.extendedStyle, creation.className, creation.text.c_str(), creation.style, 0, 0,
                           creation.size.width, creation.size.height, parent, nullptr, nullptr, nullptr);
}

}  // namespace

// Every control takes its window's interface font: the default of a native control is the
// bitmap "System" font, which draws only the ANSI code page and ignores the DPI.
TChildWindow::TChildWindow(HWND parent, const TCreation& creation) : Handle(CreateChild(parent, creation)) {
    const HFONT font = ReadWindowFont(parent);
    if (Handle && font) {
        SendMessageW(Handle, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
}

TChildWindow::~TChildWindow() {
    Annotation.reset();
    if (Handle) {
        DestroyWindow(Handle);
    }
}

void TChildWindow::Move(TPoint position, TSize size) {
    MoveWindow(Handle, position.x, position.y, size.width, size.height, TRUE);
}

TAccessibleAnnotation& TChildWindow::GetAnnotation() {
    if (!Annotation) {
        Annotation.reset(new TAccessibleAnnotation(Handle));
    }
    return *Annotation;
}
