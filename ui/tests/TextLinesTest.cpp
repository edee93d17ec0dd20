#include "ui/DeviceContext.h"
#include "ui/SizeRules.h"
#include "ui/TextLines.h"

#include <gtest/gtest.h>

namespace {

SIZE GetExtent(HDC dc, const std::wstring& line) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
    return extent;
}

// A white bitmap on a memory device context.
class TCanvas {
public:
    TCanvas(int width, int height) : Screen(nullptr), Memory(Screen.GetHandle()) {
        Bitmap = CreateCompatibleBitmap(Screen.GetHandle(), width, height);
        Previous = SelectObject(Memory.GetHandle(), Bitmap);
        RECT all{0, 0, width, height};
        FillRect(Memory.GetHandle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~TCanvas() {
        SelectObject(Memory.GetHandle(), Previous);
        DeleteObject(Bitmap);
    }
    HDC GetHandle() const { return Memory.GetHandle(); }

private:
    TDeviceContext Screen;
    TMemoryDeviceContext Memory;
    HBITMAP Bitmap;
    HGDIOBJ Previous;
};

}  // namespace

TEST(MeasureText, AnEmptyTextHasNoLinesAndNoSize) {
    TDeviceContext screen(nullptr);
    EXPECT_EQ(MeasureText(screen.GetHandle(), L""), (TSize{0, 0}));
}

TEST(MeasureText, LaterLinesAreSpacedAtTruncatedSixFifthsOfTheirHeight) {
    TDeviceContext screen(nullptr);
    const SIZE line = GetExtent(screen.GetHandle(), L"Wide line");
    const int advance = (6 * line.cy) / 5;
    ASSERT_GT(line.cy, 0);

    EXPECT_EQ(MeasureText(screen.GetHandle(), L"Wide line"), (TSize{line.cx, line.cy}));
    EXPECT_EQ(MeasureText(screen.GetHandle(), L"ab\nWide line"), (TSize{line.cx, line.cy + advance}));
    // Six lines tell a truncated step from one rounded once over the whole block.
    EXPECT_EQ(MeasureText(screen.GetHandle(), L"a\nb\nc\nd\ne\nf").height, line.cy + 5 * advance);
}

TEST(MeasureText, NewlinesAtTheEndAndInARowFollowTheLineRules) {
    TDeviceContext screen(nullptr);
    const HDC dc = screen.GetHandle();
    const SIZE line = GetExtent(dc, L"abc");
    const SIZE empty = GetExtent(dc, L"");

    EXPECT_EQ(MeasureText(dc, L"abc\n"), MeasureText(dc, L"abc"));
    EXPECT_EQ(MeasureText(dc, L"\n"), (TSize{empty.cx, empty.cy}));
    EXPECT_EQ(MeasureText(dc, L"abc\n\nabc").height, line.cy + (6 * empty.cy) / 5 + (6 * line.cy) / 5);
    EXPECT_EQ(MeasureText(dc, L"abc\n\n").height, line.cy + (6 * empty.cy) / 5);
}

TEST(MeasureText, ACarriageReturnStaysPartOfItsLine) {
    TDeviceContext screen(nullptr);
    const SIZE line = GetExtent(screen.GetHandle(), L"ab\rcd");
    EXPECT_EQ(MeasureText(screen.GetHandle(), L"ab\rcd"), (TSize{line.cx, line.cy}));
}

TEST(DeviceContextHolders, ASelectionPutsThePreviousObjectBackAndDeletesItsOwn) {
    TCanvas canvas(10, 10);
    const HDC dc = canvas.GetHandle();
    const HGDIOBJ previousPen = GetCurrentObject(dc, OBJ_PEN);
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    {
        TObjectSelection selection(dc, pen);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), previousPen);
    EXPECT_EQ(GetObjectType(pen), 0u);
}

TEST(SizeRules, CaptionedControlsAddFourLettersOfWidthAndHalfALineOfHeight) {
    TDeviceContext screen(nullptr);
    const TSize caption = MeasureText(screen.GetHandle(), L"Record sound");
    const int margin = MeasureText(screen.GetHandle(), L"qqqq").width;

    EXPECT_EQ(GetCaptionedControlSize(nullptr, L""), (TSize{margin, 0}));
    EXPECT_EQ(GetCaptionedControlSize(nullptr, L"Record sound"),
              (TSize{caption.width + margin, (3 * caption.height) / 2}));
    const TSize twoLines = MeasureText(screen.GetHandle(), L"Record\nsound");
    EXPECT_EQ(GetCaptionedControlSize(nullptr, L"Record\nsound").height, (3 * twoLines.height) / 2);
    // An access key's mark takes no room; a doubled one stands for itself.
    EXPECT_EQ(GetCaptionedControlSize(nullptr, L"&Record sound"), GetCaptionedControlSize(nullptr, L"Record sound"));
    EXPECT_EQ(GetCaptionedControlSize(nullptr, L"R&&&D").width, MeasureText(screen.GetHandle(), L"R&D").width + margin);
}

