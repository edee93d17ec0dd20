#include "ui/FaceColors.h"

bool AnswerTextOnFaceColors(TMessage& message, HWND control) {
    if (message.message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(message.lParam) != control) {
        return false;
    }
    const HDC dc = reinterpret_cast<HDC>(message.wParam);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(control) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    // The system owns the brush; it is never deleted.
    message.result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    return true;
}
