#include "ui/ControlText.h"

#include "ui/DeviceContext.h"
#include "ui/SizeRules.h"
#include "ui/TextLines.h"

namespace {

// Centres a length inside another; one larger than the room starts at the room's edge.
int GetCentringOffset(int room, int length) { return length / 2 < room / 2 ? room / 2 - length / 2 : 0; }

}  // namespace

TControlText::TControlText(TWindow& owner, const std::wstring& text, TColor color)
    : TControl(owner), Color(color), Text(text) {}

void TControlText::Move(TPoint position, TSize size) {
    Position = position;
    Size = size;
    GetWindow().Invalidate();
}

TSize TControlText::GetPreferredSize() const { return GetScreenTextSize(GetWindow().GetHandle(), Text); }

void TControlText::Paint(HDC dc) {
    {
        TObjectSelection brush(dc, CreateSolidBrush(Color.ToColorRef()));
        TObjectSelection pen(dc, CreatePen(PS_NULL, 0, 0));
        Rectangle(dc, Position.x, Position.y, Position.x + Size.width, Position.y + Size.height);
    }
    const TSize textSize = MeasureText(dc, Text);
    const TPoint origin{Position.x + GetCentringOffset(Size.width, textSize.width),
                        Position.y + GetCentringOffset(Size.height, textSize.height)};
    TBackgroundMode transparent(dc, true);
    PaintText(dc, Text, origin);
}
