#include "ui/ControlDropDown.h"

#include "ui/Dpi.h"
#include "ui/SizeRules.h"

#include <algorithm>
#include <initializer_list>

TControlDropDown::TControlDropDown(TWindow& owner, const std::vector<std::wstring>& choices)
    : TControl(owner),
      Choices(choices),
      Native(owner.GetHandle(),
             {L"combobox", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, TSize{10, 10}}) {
    for (const std::wstring& choice : Choices) {
        SendMessageW(Native.GetHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    }
    SendMessageW(Native.GetHandle(), CB_SETCURSEL, 0, 0);
}

void TControlDropDown::Move(TPoint position, TSize size) {
    // A combo box takes the height given as that of its dropped list as well.
    const int itemHeight = static_cast<int>(SendMessageW(Native.GetHandle(), CB_GETITEMHEIGHT, 0, 0));
    const int listHeight = static_cast<int>(Choices.size()) * itemHeight + GetWindow().ScaleForDpi(4);
    Native.Move(position, TSize{size.width, size.height + listHeight});
}

TSize TControlDropDown::GetPreferredSize() const {
    int widest = 0;
    for (const std::vector<std::wstring>* texts : {&Choices, &WidthSamples}) {
        for (const std::wstring& text : *texts) {
            widest = std::max(widest, GetFieldSize(Native.GetHandle(), text).width);
        }
    }
    RECT closed{};
    GetWindowRect(Native.GetHandle(), &closed);
    const int arrow = GetMetricForDpi(SM_CXVSCROLL, GetWindow().GetDpi());
    return TSize{widest + arrow + GetWindow().ScaleForDpi(6), closed.bottom - closed.top};
}

int TControlDropDown::GetSelection() const {
    return static_cast<int>(SendMessageW(Native.GetHandle(), CB_GETCURSEL, 0, 0));
}

void TControlDropDown::Select(int index) {
    const bool inside = index >= 0 && index < static_cast<int>(Choices.size());
    SendMessageW(Native.GetHandle(), CB_SETCURSEL, inside ? index : 0, 0);
    RunHandler(OnChange);
}

void TControlDropDown::RenameChoices(const std::vector<std::wstring>& choices) {
    if (choices == Choices) {
        return;
    }
    const LRESULT selection = SendMessageW(Native.GetHandle(), CB_GETCURSEL, 0, 0);
    Choices = choices;
    SendMessageW(Native.GetHandle(), CB_RESETCONTENT, 0, 0);
    for (const std::wstring& choice : Choices) {
        SendMessageW(Native.GetHandle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    }
    SendMessageW(Native.GetHandle(), CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

bool TControlDropDown::ProcessMessage(TMessage& message) {
    if (message.message != WM_COMMAND || HIWORD(message.wParam) != CBN_SELCHANGE ||
        reinterpret_cast<HWND>(message.lParam) != Native.GetHandle()) {
        return false;
    }
    RunHandler(OnChange);
    return true;
}
