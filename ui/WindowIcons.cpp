#include "ui/WindowIcons.h"

#include "ui/Dpi.h"

namespace {

struct TIconRequest {
    int size;
    HICON icon;
};

BOOL CALLBACK LoadFirstIcon(HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR request) {
    auto* wanted = reinterpret_cast<TIconRequest*>(request);
    wanted->icon =
        static_cast<HICON>(LoadImageW(module, name, IMAGE_ICON, wanted->size, wanted->size, LR_DEFAULTCOLOR));
    return FALSE;
}

// The executable's first icon, the one the shell shows for it, drawn for that size.
HICON LoadProgramIcon(int size) {
    TIconRequest request{size, nullptr};
    EnumResourceNamesW(GetModuleHandleW(nullptr), RT_GROUP_ICON, &LoadFirstIcon, reinterpret_cast<LONG_PTR>(&request));
    return request.icon;
}

}  // namespace

TWindowIcons::TWindowIcons(HWND window, int dpi)
    : Big(LoadProgramIcon(GetMetricForDpi(SM_CXICON, dpi))),
      Small(LoadProgramIcon(GetMetricForDpi(SM_CXSMICON, dpi))) {
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
