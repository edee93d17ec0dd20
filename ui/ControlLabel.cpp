#include "ui/ControlLabel.h"

#include "ui/AccessKeyText.h"
#include "ui/FaceColors.h"
#include "ui/SizeRules.h"

TControlLabel::TControlLabel(TWindow& owner, const std::wstring& caption)
    : TControl(owner),
      Caption(caption),
      Native(owner.GetHandle(), {L"static", caption, WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 0, TSize{10, 10}}) {}

TSize TControlLabel::GetPreferredSize() const {
    return GetScreenTextSize(GetWindow().GetHandle(), RemoveAccessKeyMarks(Caption));
}

bool TControlLabel::ProcessMessage(TMessage& message) {
    if (message.message != WM_CTLCOLORSTATIC || reinterpret_cast<HWND>(message.lParam) != Native.GetHandle()) {
        return false;
    }
    message.result = ColorTextOnFace(reinterpret_cast<HDC>(message.wParam), Native.GetHandle());
    return true;
}
