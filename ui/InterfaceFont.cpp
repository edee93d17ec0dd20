#include "ui/InterfaceFont.h"

#include "ui/Dpi.h"
#include "ui/SystemLibrary.h"

namespace {

using TSystemParametersInfoForDpi = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

LOGFONTW GetMessageFont(int dpi) {
    // Windows 10 1607 and later.
    static const auto forDpi =
        FindNewerSystemFunction<TSystemParametersInfoForDpi>(L"user32.dll", "SystemParametersInfoForDpi");
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
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, GetSystemDpi());
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
