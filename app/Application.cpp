#include "app/Application.h"

#include "ui/Window.h"

void RunApplication(TNotificationsDb&, const std::wstring&, const std::wstring& closeRequestWindowTitle) {
    TWindow closeRequestWindow(closeRequestWindowTitle, false, nullptr);
    closeRequestWindow.SetOnClose([] { PostQuitMessage(0); });

    TDialogWindowList dialogWindows;
    RunMessageLoop(dialogWindows);
}
