#include "ui/WindowIcons.h"

#include "ui/Dpi.h"

#include <shlobj.h>

namespace {

// The executable's first icon, the one the shell shows for it, drawn for that size.
HICON ExtractProgramIcon(int size) {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    HICON icon = nullptr;
    const UINT sizes = MAKELONG(size, size);
    return SHDefExtractIconW(path, 0, 0, &icon, nullptr, sizes) == S_OK ? icon : nullptr;
}

}  // namespace

TWindowIcons::TWindowIcons(HWND window, int dpi)
    : Big(ExtractProgramIcon(GetMetricForDpi(SM_CXICON, dpi))),
      Small(ExtractProgramIcon(GetMetricForDpi(SM_CXSMICON, dpi))) {
    if (Big) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Big));
    }
    if (Small) {
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Small));
    }
}

TWindowIcons::~TWindowIcons() {
    if (Big) {
        DestroyIcon(Big);
    }
    if (Small) {
        DestroyIcon(Small);
    }
}
