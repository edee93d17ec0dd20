#include "sound/DeviceMessagePump.h"

bool PumpDeviceMessagesUntil(HWND window, UINT firstMessage, UINT lastMessage, const std::function<bool()>& finished,
                             DWORD timeoutMilliseconds) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
    bool quitRequested = false;
    int exitCode = 0;
    bool done = finished();
    while (!done) {
        MSG message;
        if (PeekMessageW(&message, window, firstMessage, lastMessage, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                quitRequested = true;
                exitCode = static_cast<int>(message.wParam);
            } else {
                DispatchMessageW(&message);
            }
        } else {
            const ULONGLONG now = GetTickCount64();
            if (now >= deadline) {
                break;
            }
            // Wakes on any newly posted message; the next peek tells whether it is ours.
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_POSTMESSAGE);
        }
        done = finished();
    }
    if (quitRequested) {
        PostQuitMessage(exitCode);
    }
    return done;
}
