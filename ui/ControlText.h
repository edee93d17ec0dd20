#pragma once

#include "ui/Window.h"

#include <string>

// A label without a native window: the owner paints it as a filled box with its text centred.
class TControlText : public TWindow::TControl {
public:
    TControlText(TWindow& owner, const std::wstring& text, TColor color);

    void Move(TPoint position, TSize size);
    TPoint GetPosition() const { return Position; }
    TSize GetPreferredSize() const;

    void Paint(HDC dc) override;

private:
    TPoint Position;
    TSize Size{1, 1};
    TColor Color;
    std::wstring Text;
};
