#include "ui/ControlButton.h"

#include "ui/SizeRules.h"

TControlButton::TControlButton(TWindow& owner, const std::wstring& caption, bool isDefault)
    : TControl(owner),
      Caption(caption),
      IsDefault(isDefault),
      Native(owner.GetHandle(), {L"button", caption,
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? DWORD{BS_DEFPUSHBUTTON} : DWORD{0}), 0,
                                 TSize{10, 10}}) {}

TSize TControlButton::GetPreferredSize() const { return GetCaptionedControlSize(GetWindow().GetHandle(), Caption); }

bool TControlButton::ProcessMessage(TMessage& message) {
    if (message.message != WM_COMMAND) {
        return false;
    }
    const bool ownClick =
        HIWORD(message.wParam) == BN_CLICKED && reinterpret_cast<HWND>(message.lParam) == Native.GetHandle();
    const bool enterOnDialog = IsDefault && LOWORD(message.wParam) == IDOK;
    if (!ownClick && !enterOnDialog) {
        return false;
    }
    RunHandler(OnClick);
    return true;
}
