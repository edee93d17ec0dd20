#include "ui/ControlRadioButtons.h"

#include "ui/SizeRules.h"

TControlRadioButtons::TControlRadioButtons(TWindow& owner, const std::vector<std::wstring>& captions)
    : TControl(owner), Captions(captions) {
    for (size_t i = 0; i < captions.size(); ++i) {
        auto item = std::make_unique<TChildWindow>(
            owner.GetHandle(),
            TChildWindow::TCreation{L"button", captions[i], WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 0, TSize{10, 10}});
        item->Move(TPoint{0, 10 * static_cast<int>(i)}, TSize{10, 10});
        Items.push_back(std::move(item));
    }
    Select(0);
}

TSize TControlRadioButtons::GetPreferredSize(int index) const {
    if (index < 0 || index >= GetItemCount()) {
        return TSize{0, 0};
    }
    return GetCaptionedControlSize(GetWindow().GetHandle(), Captions[static_cast<size_t>(index)]);
}

void TControlRadioButtons::Select(int index) {
    for (int i = 0; i < GetItemCount(); ++i) {
        SendMessageW(GetItemHandle(i), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    RunHandler(OnChange);
}

int TControlRadioButtons::GetSelection() const {
    for (int i = 0; i < GetItemCount(); ++i) {
        if (SendMessageW(GetItemHandle(i), BM_GETCHECK, 0, 0) != BST_UNCHECKED) {
            return i;
        }
    }
    return -1;
}

void TControlRadioButtons::Focus() {
    const int selection = GetSelection();
    if (selection >= 0) {
        SetFocus(GetItemHandle(selection));
    }
}

bool TControlRadioButtons::ProcessMessage(TMessage& message) {
    if (message.message != WM_COMMAND || HIWORD(message.wParam) != BN_CLICKED) {
        return false;
    }
    for (int i = 0; i < GetItemCount(); ++i) {
        if (reinterpret_cast<HWND>(message.lParam) == GetItemHandle(i)) {
            Select(i);
            return true;
        }
    }
    return false;
}
