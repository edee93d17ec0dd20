#include "ui/ControlButton.h"
#include "ui/ControlCheckBox.h"
#include "ui/ControlDatePicker.h"
#include "ui/ControlEdit.h"
#include "ui/ControlHotKey.h"
#include "ui/ControlLink.h"
#include "ui/ControlText.h"
#include "ui/Dpi.h"
#include "ui/InterfaceFont.h"
#include "ui/tests/ControlShowcase.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// Wine's message font, unlike Windows' Segoe UI, has no Greek: Cyrillic stands for the scripts
// outside the ANSI code page.
const std::wstring Cyrillic = L"Позвонить Анне";

// How many characters of the text the device context's font has no glyph for.
int CountMissingGlyphs(HDC dc, const std::wstring& text) {
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    return static_cast<int>(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}));
}

LONG GetFontHeight(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return std::abs(description.lfHeight);
}

class TFontProbe : public TWindow::TControl {
public:
    using TControl::TControl;
    void Paint(HDC dc) override { PaintedWith = GetCurrentObject(dc, OBJ_FONT); }
    HGDIOBJ PaintedWith = nullptr;
};

void MoveOffScreen(HWND window) {
    SetWindowPos(window, nullptr, 3000, 2500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

}  // namespace

// The device context's own font, on Windows the bitmap "System" font, cannot draw these; the
// message font can.
TEST(InterfaceFont, IsTheMessageFontAndHasGlyphsForCyrillic) {
    const TInterfaceFont font(DefaultDpi);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    LOGFONTW made{};
    GetObjectW(font.GetHandle(), sizeof(made), &made);
    EXPECT_EQ(std::wstring(made.lfFaceName), std::wstring(metrics.lfMessageFont.lfFaceName));

    TDeviceContext screen(nullptr);
    EXPECT_GT(CountMissingGlyphs(screen.GetHandle(), Cyrillic), 0);
    TFontSelection selection(screen.GetHandle(), font.GetHandle());
    EXPECT_EQ(CountMissingGlyphs(screen.GetHandle(), Cyrillic), 0);
}

TEST(InterfaceFont, ReachesEveryNativeControlAndThePainting) {
    TControlShowcase showcase;
    TFontProbe probe(showcase.GetWindow());
    showcase.GetWindow().Show(false);
    showcase.GetWindow().Redraw();
    PumpPendingMessages();

    const HFONT font = showcase.GetWindow().GetFont();
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(probe.PaintedWith, font);
    int controls = 0;
    for (const auto& placement : showcase.GetPlacements()) {
        if (placement.handle) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(placement.handle, WM_GETFONT, 0, 0)), font) << controls;
            ++controls;
        }
    }
    EXPECT_GE(controls, 10);
}

// Moved to a monitor of twice the DPI, a window takes the font for it, gives it to its controls,
// and every size measured from text doubles with it.
TEST(InterfaceFont, FollowsTheWindowToAnotherDpi) {
    TWindow window(L"dpi", true, nullptr);
    TControlButton button(window, L"Snooze 1 hour", false);
    TControlCheckBox checkBox(window, L"Add a reminder");
    TControlEdit edit(window);
    TControlHotKey hotKey(window);
    TControlDatePicker datePicker(window);
    TControlLink link(window, L"Nudgely home", L"http://example.com");
    TControlText text(window, L"Text", TColor{});
    const std::vector<std::function<TSize()>> sizes = {
        [&] { return button.GetPreferredSize(); },   [&] { return checkBox.GetPreferredSize(); },
        [&] { return edit.GetPreferredSize(L"A reminder text"); },
        [&] { return hotKey.GetPreferredSize(); },   [&] { return datePicker.GetPreferredSize(); },
        [&] { return link.GetPreferredSize(); },     [&] { return text.GetPreferredSize(); }};
    std::vector<TSize> before;
    for (const auto& size : sizes) {
        before.push_back(size());
    }
    const LONG fontHeight = GetFontHeight(window.GetFont());
    const int dpi = window.GetDpi();

    RECT suggested{0, 0, 600, 400};
    SendMessageW(window.GetHandle(), WM_DPICHANGED, MAKEWPARAM(2 * dpi, 2 * dpi), reinterpret_cast<LPARAM>(&suggested));

    EXPECT_EQ(window.GetDpi(), 2 * dpi);
    EXPECT_EQ(window.ScaleForDpi(5), 5 * 2 * dpi / DefaultDpi);
    EXPECT_EQ(window.GetSize(), (TSize{600, 400}));
    const LONG newFontHeight = GetFontHeight(window.GetFont());
    EXPECT_GE(newFontHeight, 2 * fontHeight - 1);
    EXPECT_LE(newFontHeight, 2 * fontHeight + 1);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(edit.GetHandle(), WM_GETFONT, 0, 0)), window.GetFont());
    for (size_t i = 0; i < sizes.size(); ++i) {
        const TSize after = sizes[i]();
        EXPECT_GE(after.width * 10, before[i].width * 16) << i;
        EXPECT_LE(after.width * 10, before[i].width * 24) << i;
        EXPECT_GE(after.height * 10, before[i].height * 16) << i;
        EXPECT_LE(after.height * 10, before[i].height * 24) << i;
    }
}

TEST(WindowShow, RestoresAMinimizedWindowAndMovesOneOffScreenIntoTheWorkArea) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const std::vector<std::function<void(HWND)>> displacements = {
        [](HWND window) { ShowWindow(window, SW_MINIMIZE); }, &MoveOffScreen};
    for (const auto& displace : displacements) {
        TWindow window(L"shown", false, nullptr);
        window.Move(TPoint{100, 100}, TSize{300, 200});
        window.Show(false);
        displace(window.GetHandle());
        window.Show(false);
        EXPECT_TRUE(IsWindowVisible(window.GetHandle()));
        EXPECT_FALSE(IsIconic(window.GetHandle()));
        RECT shown{};
        GetWindowRect(window.GetHandle(), &shown);
        EXPECT_EQ(shown.right - shown.left, 300);
        EXPECT_GE(shown.left, work.left);
        EXPECT_GE(shown.top, work.top);
        EXPECT_LE(shown.right, work.right);
        EXPECT_LE(shown.bottom, work.bottom);
    }
}
