#include "ui/Dpi.h"
#include "ui/Window.h"

#include <gtest/gtest.h>

namespace {

int GetIconWidth(LRESULT icon) {
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(icon), &info)) {
        return 0;
    }
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof(mask), &mask);
    DeleteObject(info.hbmMask);
    if (info.hbmColor) {
        DeleteObject(info.hbmColor);
    }
    return mask.bmWidth;
}

}  // namespace

// The title bar, the taskbar button and Alt+Tab show the program's icon, drawn for the sizes the
// system uses at the window's DPI, also after it moved to a monitor of another DPI.
TEST(WindowIcons, AShownWindowCarriesTheProgramsIconAtTheSystemsSizesForItsDpi) {
    TWindow window(L"icons", false, nullptr);
    EXPECT_EQ(SendMessageW(window.GetHandle(), WM_GETICON, ICON_BIG, 0), 0);
    window.Show(false);
    for (const int dpi : {window.GetDpi(), 2 * window.GetDpi()}) {
        if (dpi != window.GetDpi()) {
            RECT suggested{0, 0, 400, 300};
            SendMessageW(window.GetHandle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        }
        EXPECT_EQ(GetIconWidth(SendMessageW(window.GetHandle(), WM_GETICON, ICON_BIG, 0)), GetMetricForDpi(SM_CXICON, dpi));
        EXPECT_EQ(GetIconWidth(SendMessageW(window.GetHandle(), WM_GETICON, ICON_SMALL, 0)),
                  GetMetricForDpi(SM_CXSMICON, dpi));
    }
}
