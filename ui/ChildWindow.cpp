#include "ui/ChildWindow.h"

#include "ui/CommonControls.h"

namespace {

HWND CreateChild(HWND parent, const TChildWindow::TCreation& creation) {
    if (creation.commonControlClasses != 0) {
        InitCommonControlClasses(creation.commonControlClasses);
    }
    return CreateWindowExW(creation.extendedStyle, creation.className, creation.text.c_str(), creation.style, 0, 0,
                           creation.size.width, creation.size.height, parent, nullptr, nullptr, nullptr);
}

}  // namespace

TChildWindow::TChildWindow(HWND parent, const TCreation& creation) : Handle(CreateChild(parent, creation)) {}

TChildWindow::~TChildWindow() {
    if (Handle) {
        DestroyWindow(Handle);
    }
}

void TChildWindow::Move(TPoint position, TSize size) {
    MoveWindow(Handle, position.x, position.y, size.width, size.height, TRUE);
}
