#include "ui/Window.h"

void RunMessageLoop(const TDialogWindowList& dialogWindows) {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            return;
        }
        bool taken = false;
        // A dialog handler may add or remove windows while it runs; iterate over a copy.
        const TDialogWindowList windows = dialogWindows;
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
