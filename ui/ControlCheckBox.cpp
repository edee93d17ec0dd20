#include "ui/ControlCheckBox.h"

#include "ui/SizeRules.h"

TControlCheckBox::TControlCheckBox(TWindow& owner, const std::wstring& caption)
    : TControl(owner),
      Caption(caption),
      Native(owner.GetHandle(), {L"button", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX, 0, TSize{10, 10}}) {}

TSize TControlCheckBox::GetPreferredSize() const { return GetCaptionedControlSize(GetWindow().GetHandle(), Caption); }

bool TControlCheckBox::IsChecked() const { return SendMessageW(Native.GetHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TControlCheckBox::SetChecked(bool checked) {
    SendMessageW(Native.GetHandle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    RunHandler(OnChange);
}

bool TControlCheckBox::ProcessMessage(TMessage& message) {
    if (message.message != WM_COMMAND || HIWORD(message.wParam) != BN_CLICKED ||
        reinterpret_cast<HWND>(message.lParam) != Native.GetHandle()) {
        return false;
    }
    SetChecked(!IsChecked());
    return true;
}
