#include "ui/ControlTwoStateButton.h"

#include "ui/HandlerFailure.h"
#include "ui/SizeRules.h"

namespace {

const wchar_t ControllingObjectProperty[] = L"TControlTwoStateButton.ControllingObject";

TControlTwoStateButton* FindController(HWND window) {
    return static_cast<TControlTwoStateButton*>(GetPropW(window, ControllingObjectProperty));
}

}  // namespace

TControlTwoStateButton::TControlTwoStateButton(TWindow& owner, const std::wstring& caption)
    : TControl(owner),
      Caption(caption),
      Native(owner.GetHandle(), {L"button", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_NOTIFY | BS_PUSHLIKE, 0,
                                 TSize{10, 10}}),
      Subclass(Native.GetHandle(), ControllingObjectProperty, this, &TControlTwoStateButton::Procedure) {}

TSize TControlTwoStateButton::GetPreferredSize() const {
    return GetCaptionedControlSize(GetWindow().GetHandle(), Caption);
}

LRESULT CALLBACK TControlTwoStateButton::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TControlTwoStateButton* self = FindController(window);
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Its access key, like any click, would record nothing and drop the note there is: it moves
    // the focus here instead, where holding the space bar records.
    if (message == BM_CLICK) {
        SetFocus(window);
        return 0;
    }
    const LRESULT result = self->Subclass.CallPrevious(window, message, wParam, lParam);
    // Reading the state sends BM_GETSTATE itself; and the button may be gone by now if whatever
    // the native procedure notified destroyed it.
    if (message == BM_GETSTATE || FindController(window) != self) {
        return result;
    }
    RunReportingFailure([self] { self->FollowPushedState(); });
    return result;
}

void TControlTwoStateButton::FollowPushedState() {
    const bool pushed = (SendMessageW(Native.GetHandle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    if (pushed == Pushed) {
        return;
    }
    Pushed = pushed;
    RunHandler(pushed ? OnPress : OnRelease);
}
