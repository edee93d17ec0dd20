// The toolkit follows the system's DPI, message font and colours while its windows live.
#include "ui/ControlLabel.h"
#include "ui/Dpi.h"
#include "ui/tests/ControlShowcase.h"
#include "ui/tests/ControlTestSupport.h"

#include "tests/support/LayoutCheck.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// The new font reaches every control, the date picker's calendar too, before the old one goes.
TEST(SystemSettings, ANewDpiOrMessageFontReachesEveryControlAndTheOldFontGoes) {
    TControlShowcase showcase;
    const HWND window = showcase.GetWindow().GetHandle();
    const HWND datePicker = showcase.GetPlacements().at(6).handle;
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    NONCLIENTMETRICSW larger = metrics;
    larger.lfMessageFont.lfHeight *= 2;
    const std::vector<std::function<void()>> changes = {
        [&] { ChangeWindowDpi(window, DefaultDpi, 144); },
        // Windows tells every top-level window of new metrics; Wine only sets them.
        [&] {
            SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(larger), &larger, 0);
            SendMessageW(window, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
        }};
    for (const auto& change : changes) {
        const HFONT before = showcase.GetWindow().GetFont();
        change();
        const HFONT font = showcase.GetWindow().GetFont();
        EXPECT_EQ(GetObjectType(before), 0u);
        for (HWND control : ListChildren(window)) {
            // Parts that draw no text (spin buttons) name no font.
            const auto named = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            EXPECT_TRUE(named == font || named == nullptr);
        }
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(datePicker, DTM_GETMCFONT, 0, 0)), font);
    }
    LOGFONTW made{};
    GetObjectW(showcase.GetWindow().GetFont(), sizeof(made), &made);
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    EXPECT_NEAR(made.lfHeight, 3 * metrics.lfMessageFont.lfHeight, 1);
}

// A label stands in the button text colour, or the grey of disabled text, on the face colour.
TEST(SystemSettings, ALabelAndTheFacePaintInTheSystemsColoursAfterTheyChange) {
    TWindow window(L"colours", true, nullptr);
    TControlLabel label(window, L"&Wide label WWWW");
    label.Move(TPoint{0, 0}, label.GetPreferredSize());
    const int elements[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_GRAYTEXT};
    const COLORREF before[] = {GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_GRAYTEXT)};
    const COLORREF highContrast[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 255, 0)};
    ASSERT_TRUE(SetSysColors(3, elements, highContrast));
    std::vector<COLORREF> painted;
    for (BOOL enabled : {TRUE, FALSE}) {
        EnableWindow(label.GetHandle(), enabled);
        window.Redraw();
        PumpPendingMessages();
        for (int x = 0; x < label.GetPreferredSize().width; ++x) {
            painted.push_back(ReadPixel(window.GetHandle(), x, label.GetPreferredSize().height / 2));
        }
    }
    painted.push_back(ReadPixel(window.GetHandle(), window.GetClientSize().width - 2, 2));
    SetSysColors(3, elements, before);
    EXPECT_GT(std::count(painted.begin(), painted.end(), RGB(255, 255, 255)), 2);
    EXPECT_GT(std::count(painted.begin(), painted.end(), RGB(0, 255, 0)), 2);
    EXPECT_EQ(painted.back(), RGB(0, 0, 0));
}
