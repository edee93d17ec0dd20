#include "ui/Dpi.h"

#include "ui/DeviceContext.h"

namespace {

using TGetDpiForWindow = UINT(WINAPI*)(HWND);
using TGetSystemMetricsForDpi = int(WINAPI*)(int, UINT);

// The per-monitor functions come with Windows 10 1607; earlier systems scale the whole desktop
// alike, at the system's DPI.
template <typename TFunction>
TFunction FindUserFunction(const char* name) {
    return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int GetSystemDpi() {
    TDeviceContext screen(nullptr);
    return GetDeviceCaps(screen.GetHandle(), LOGPIXELSY);
}

}  // namespace

int GetWindowDpi(HWND window) {
    static const auto getDpiForWindow = FindUserFunction<TGetDpiForWindow>("GetDpiForWindow");
    const int dpi = getDpiForWindow && window ? static_cast<int>(getDpiForWindow(window)) : 0;
    return dpi > 0 ? dpi : GetSystemDpi();
}

int ScaleForDpi(int pixels, int dpi) { return MulDiv(pixels, dpi, DefaultDpi); }

int GetMetricForDpi(int metric, int dpi) {
    static const auto forDpi = FindUserFunction<TGetSystemMetricsForDpi>("GetSystemMetricsForDpi");
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
