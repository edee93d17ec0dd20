#include "ui/FaceColors.h"

LRESULT ColorTextOnFace(HDC dc, HWND control) {
    SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    // The system owns the brush; it is never deleted.
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool AnswerTextOnFaceColors(TMessage& message, HWND control) {
    if (message.message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(message.lParam) != control) {
        return false;
    }
    message.result = ColorTextOnFace(reinterpret_cast<HDC>(message.wParam), control);
    return true;
}
