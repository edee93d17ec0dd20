#include "ui/ControlEdit.h"

#include "ui/SizeRules.h"

#include <vector>

TControlEdit::TControlEdit(TWindow& owner)
    : TControl(owner),
      Native(owner.GetHandle(), {L"edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, WS_EX_CLIENTEDGE, TSize{10, 10}}) {}

void TControlEdit::Move(TPoint position, TSize size) {
    Native.Move(position, size);
    GetWindow().Invalidate();
}

TSize TControlEdit::GetPreferredSize(const std::wstring& sample) const { return GetFieldSize(Native.GetHandle(), sample); }

void TControlEdit::SetText(const std::wstring& text) {
    // Stored first: the change notification that follows then finds nothing new.
    LastText = text;
    SetWindowTextW(Native.GetHandle(), text.c_str());
}

void TControlEdit::FocusAndSelectAll() {
    SetFocus(Native.GetHandle());
    SendMessageW(Native.GetHandle(), EM_SETSEL, 0, -1);
}

bool TControlEdit::ProcessMessage(TMessage& message) {
    if (message.message != WM_COMMAND || reinterpret_cast<HWND>(message.lParam) != Native.GetHandle()) {
        return false;
    }
    std::wstring text = ReadNativeText();
    if (text != LastText) {
        LastText = std::move(text);
        RunHandler(OnChange);
    }
    return true;
}

std::wstring TControlEdit::ReadNativeText() const {
    const int length = GetWindowTextLengthW(Native.GetHandle());
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 2, L'\0');
    const int copied = GetWindowTextW(Native.GetHandle(), buffer.data(), length + 1);
    return std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}
