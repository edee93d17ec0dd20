#include "ui/ControlText.h"
#include "ui/DeviceContext.h"
#include "ui/tests/ControlTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const TColor Box{200, 40, 40};
const COLORREF BoxColor = RGB(200, 40, 40);

struct TInkBounds {
    int left = 100000;
    int top = 100000;
    int right = -1;
    int bottom = -1;
};

// Where the text's ink lies inside a painted box: every pixel that is neither box nor background.
TInkBounds FindInk(HWND window, TPoint position, TSize size) {
    TInkBounds ink;
    TDeviceContext dc(window);
    for (int y = position.y; y < position.y + size.height; ++y) {
        for (int x = position.x; x < position.x + size.width; ++x) {
            if (GetPixel(dc.GetHandle(), x, y) != BoxColor) {
                ink.left = std::min(ink.left, x);
                ink.top = std::min(ink.top, y);
                ink.right = std::max(ink.right, x);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

class ControlTextPainting : public ::testing::Test {
protected:
    ControlTextPainting() : Window(L"label", true, nullptr) {
        Window.Move(TPoint{0, 0}, TSize{400, 300});
        Window.SetBackgroundColor(TColor{255, 255, 255});
    }

    void Paint() {
        Window.Redraw();
        PumpPendingMessages();
    }

    TWindow Window;
};

}  // namespace

TEST_F(ControlTextPainting, FillsItsBoxOnePixelShortOfTheRightAndBottomEdges) {
    TControlText label(Window, L"", Box);
    label.Move(TPoint{10, 20}, TSize{100, 50});
    EXPECT_EQ(label.GetPosition(), (TPoint{10, 20}));
    Paint();

    const HWND handle = Window.GetHandle();
    EXPECT_EQ(ReadPixel(handle, 10, 20), BoxColor);
    EXPECT_EQ(ReadPixel(handle, 108, 68), BoxColor);
    EXPECT_EQ(ReadPixel(handle, 109, 40), RGB(255, 255, 255));
    EXPECT_EQ(ReadPixel(handle, 50, 69), RGB(255, 255, 255));
    EXPECT_EQ(ReadPixel(handle, 9, 40), RGB(255, 255, 255));
}

TEST_F(ControlTextPainting, CentresItsTextBlockInTheBox) {
    const std::wstring text = L"Water the plants\nnow";
    TControlText label(Window, text, Box);
    const TSize textSize = label.GetPreferredSize();
    label.Move(TPoint{20, 30}, TSize{300, 200});
    Paint();

    const TInkBounds ink = FindInk(Window.GetHandle(), TPoint{20, 30}, TSize{299, 199});
    const int expectedLeft = 20 + 300 / 2 - textSize.width / 2;
    const int expectedTop = 30 + 200 / 2 - textSize.height / 2;
    // Ink lies inside the measured block, a little in from its edges where the letters have air.
    EXPECT_GE(ink.left, expectedLeft);
    EXPECT_LE(ink.left, expectedLeft + 3);
    EXPECT_GE(ink.top, expectedTop);
    EXPECT_LE(ink.top, expectedTop + textSize.height / 4);
    EXPECT_LE(ink.right, expectedLeft + textSize.width);
    EXPECT_LE(ink.bottom, expectedTop + textSize.height);
}

TEST_F(ControlTextPainting, TextLargerThanTheBoxStartsAtTheBoxCorner) {
    TControlText label(Window, L"A reminder text far wider than its box\nand taller", Box);
    label.Move(TPoint{40, 50}, TSize{20, 10});
    Paint();

    // The text runs over the box: look for its ink in the area right and below the corner.
    TDeviceContext dc(Window.GetHandle());
    int left = 100000;
    int top = 100000;
    for (int y = 50; y < 150; ++y) {
        for (int x = 40; x < 380; ++x) {
            const COLORREF pixel = GetPixel(dc.GetHandle(), x, y);
            if (pixel != BoxColor && pixel != RGB(255, 255, 255)) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    EXPECT_GE(left, 40);
    EXPECT_LE(left, 43);
    EXPECT_GE(top, 50);
    EXPECT_LE(top, 56);
}

TEST_F(ControlTextPainting, PaintingLeavesTheDeviceContextAsItWas) {
    TControlText label(Window, L"text", Box);
    label.Move(TPoint{0, 0}, TSize{50, 20});
    TDeviceContext screen(nullptr);
    TMemoryDeviceContext memory(screen.GetHandle());
    const HDC dc = memory.GetHandle();
    SetBkMode(dc, OPAQUE);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);

    label.Paint(dc);

    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
}

