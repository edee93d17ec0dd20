#include "ui/Dpi.h"
#include "ui/InterfaceFont.h"
#include "ui/tests/ControlShowcase.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
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

class TFontProbe : public TWindow::TControl {
public:
    using TControl::TControl;
    void Paint(HDC dc) override { PaintedWith = GetCurrentObject(dc, OBJ_FONT); }
    HGDIOBJ PaintedWith = nullptr;
};

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
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(placement.handle, WM_GETFONT, 0, 0)), font) << controls;
        ++controls;
    }
    EXPECT_GE(controls, 10);
}
