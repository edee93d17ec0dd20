#pragma once

#include <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

// The dots per inch that the layout of 96-dpi pixel sizes is scaled from.
constexpr int DefaultDpi = 96;

// The DPI the system scales for when it does not scale per monitor.
int GetSystemDpi();

// The DPI a window is shown at: its monitor's where the system scales per monitor, otherwise
// the system's.
int GetWindowDpi(HWND window);

// A size given in pixels at 96 dpi, in pixels at that DPI.
int ScaleForDpi(int pixels, int dpi);

// A system metric (GetSystemMetrics' SM_ values) as the system sizes it at that DPI.
int GetMetricForDpi(int metric, int dpi);

// The work area (the monitor less the taskbar) of the monitor that holds most of the window.
RECT GetWorkAreaOf(HWND window);
