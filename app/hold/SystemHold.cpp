#include "app/hold/SystemHold.h"

#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <initializer_list>

namespace {

bool IsDesktopOrTaskbar(HWND window) {
    if (window == GetDesktopWindow() || window == GetShellWindow()) {
        return true;
    }
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    for (const wchar_t* shellClass : {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"}) {
        if (std::wcscmp(className, shellClass) == 0) {
            return true;
        }
    }
    return false;
}

bool IsTitledAndMaximized(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION && IsZoomed(window);
}

}  // namespace

TSystemHold AskSystemForHold() {
    QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
    if (SUCCEEDED(SHQueryUserNotificationState(&state))) {
        switch (state) {
        case QUNS_BUSY:
        case QUNS_RUNNING_D3D_FULL_SCREEN:
            return TSystemHold::FullScreen;
        case QUNS_PRESENTATION_MODE:
        case QUNS_QUIET_TIME:
            return TSystemHold::Windows;
        default:
            break;
        }
    }
    return IsForegroundWindowFullScreen() ? TSystemHold::FullScreen : TSystemHold::None;
}

bool IsForegroundWindowFullScreen() {
    HWND window = GetForegroundWindow();
    if (!window || !IsWindowVisible(window) || IsIconic(window) || IsDesktopOrTaskbar(window) ||
        IsTitledAndMaximized(window)) {
        return false;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    RECT place{};
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONULL), &monitor) || !GetWindowRect(window, &place)) {
        return false;
    }
    return place.left <= monitor.rcMonitor.left && place.top <= monitor.rcMonitor.top &&
           place.right >= monitor.rcMonitor.right && place.bottom >= monitor.rcMonitor.bottom;
}
