#include "ui/Dpi.h"

#include "ui/DeviceContext.h"
#include "ui/SystemLibrary.h"

namespace {

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TGetSystemMetricsForDpi = int(WINAPI*)(int, UINT);

}  // namespace

int GetSystemDpi() {
    TDeviceContext screen(nullptr);
    return GetDeviceCaps(screen.GetHandle(), LOGPIXELSY);
}

int GetWindowDpi(HWND window) {
    // The per-monitor functions come with Windows 10 1607; earlier systems scale the whole
    // desktop alike, at the system's DPI.
    static const auto getDpiForWindow = FindNewerSystemFunction<TGetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
    const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : GetSystemDpi();
}

int ScaleForDpi(int pixels, int dpi) { return MulDiv(pixels, dpi, DefaultDpi); }

int GetMetricForDpi(int metric, int dpi) {
    static const auto forDpi = FindNewerSystemFunction<TGetSystemMetricsForDpi>(L"user32.dll", "GetSystemMetricsForDpi");
    return forDpi ? forDpi(metric, static_cast<UINT>(dpi)) : GetSystemMetrics(metric);
}

RECT GetWorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
        RECT desktop{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
        return desktop;
    }
    return monitor.rcWork;
}
