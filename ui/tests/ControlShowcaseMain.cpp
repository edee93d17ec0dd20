#include "ui/tests/ControlShowcase.h"

#include <cstdlib>

// Shows the showcase window for the given number of seconds (default 10), to be looked at or
// photographed.
int main(int argumentCount, char** arguments) {
    const int seconds = argumentCount > 1 ? std::atoi(arguments[1]) : 10;
    TControlShowcase showcase;
    showcase.GetWindow().Show(true);
    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr) {
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
