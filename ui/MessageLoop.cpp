#include "ui/Window.h"

namespace {

// Alt with a letter is an access key, unless the control it is typed into asks for it itself.
bool IsWantedByControl(const MSG& message) {
    return message.message == WM_SYSCHAR &&
           (SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) &
            DLGC_WANTMESSAGE) != 0;
}

}  // namespace

void RunMessageLoop(const TDialogWindowList& dialogWindows) {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            return;
        }
        bool taken = false;
        // A dialog handler may add or remove windows while it runs; iterate over a copy.
        const TDialogWindowList windows = IsWantedByControl(message) ? TDialogWindowList() : dialogWindows;
        for (TWindow* window : windows) {
            if (IsDialogMessageW(window->GetHandle(), &message)) {
                taken = true;
                break;
            }
        }
        if (!taken) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
