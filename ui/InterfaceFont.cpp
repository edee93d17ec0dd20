#include "ui/InterfaceFont.h"

#include "ui/DeviceContext.h"

namespace {

using TSystemParametersInfoForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

// Windows 10 1607 and later.
TSystemParametersInfoForDpi FindSystemParametersInfoForDpi() {
    return reinterpret_cast<TSystemParametersInfoForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SystemParametersInfoForDpi")));
}

LOGFONTW GetMessageFont(int dpi) {
    static const TSystemParametersInfoForDpi forDpi = FindSystemParametersInfoForDpi();
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi))) {
        return metrics.lfMessageFont;
    }
    // Older systems give the font at the system's DPI, the only one they scale windows for.
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        LOGFONTW fallback{};
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
        metrics.lfMessageFont = fallback;
    }
    TDeviceContext screen(nullptr);
    const int systemDpi = GetDeviceCaps(screen.GetHandle(), LOGPIXELSY);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, systemDpi);
    return metrics.lfMessageFont;
}

}  // namespace

TInterfaceFont::TInterfaceFont(int dpi) {
    const LOGFONTW description = GetMessageFont(dpi);
    Handle = CreateFontIndirectW(&description);
}

TInterfaceFont::~TInterfaceFont() {
    if (Handle) {
        DeleteObject(Handle);
    }
}
