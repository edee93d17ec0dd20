#include "ui/ControlHotKey.h"

#include "ui/SizeRules.h"

#include <commctrl.h>

namespace {

const wchar_t ControllingObjectProperty[] = L"TControlHotKey.ControllingObject";

// The keys that the keyboard sends with the extended flag. Without HOTKEYF_EXT the field names
// them after the numeric pad keys that share their scan codes: Insert shows as "Num 0".
bool IsExtendedKey(int key) {
    switch (key) {
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_SNAPSHOT:
    case VK_CANCEL:
        return true;
    default:
        return false;
    }
}

}  // namespace

TControlHotKey::TControlHotKey(TWindow& owner)
    : TControl(owner),
      Native(owner.GetHandle(),
             {L"msctls_hotkey32", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, TSize{10, 10}, ICC_HOTKEY_CLASS}),
      Subclass(Native.GetHandle(), ControllingObjectProperty, this, &TControlHotKey::Procedure) {}

// The field has taken the combination from the key going down; the character that follows is
// claimed, so that the dialog keyboard handling does not take it for an access key, and dropped.
LRESULT CALLBACK TControlHotKey::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TControlHotKey*>(GetPropW(window, ControllingObjectProperty));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_SYSCHAR) {
        return 0;
    }
    const LRESULT result = self->Subclass.CallPrevious(window, message, wParam, lParam);
    const MSG* asked = reinterpret_cast<const MSG*>(lParam);
    if (message == WM_GETDLGCODE && asked && asked->message == WM_SYSCHAR) {
        return result | DLGC_WANTMESSAGE;
    }
    return result;
}

TSize TControlHotKey::GetPreferredSize() const { return GetFieldSize(Native.GetHandle(), L"Ctrl-Alt-Shift-Win-W"); }

THotKey TControlHotKey::GetHotKey() const {
    const auto value = static_cast<WORD>(SendMessageW(Native.GetHandle(), HKM_GETHOTKEY, 0, 0));
    const BYTE modifiers = HIBYTE(value);
    THotKey hotKey;
    hotKey.key = LOBYTE(value);
    hotKey.shift = (modifiers & HOTKEYF_SHIFT) != 0;
    hotKey.ctrl = (modifiers & HOTKEYF_CONTROL) != 0;
    hotKey.alt = (modifiers & HOTKEYF_ALT) != 0;
    return hotKey;
}

void TControlHotKey::SetHotKey(const THotKey& hotKey) {
    const int modifiers = (hotKey.alt ? HOTKEYF_ALT : 0) | (hotKey.shift ? HOTKEYF_SHIFT : 0) |
                          (hotKey.ctrl ? HOTKEYF_CONTROL : 0) | (IsExtendedKey(hotKey.key) ? HOTKEYF_EXT : 0);
    SendMessageW(Native.GetHandle(), HKM_SETHOTKEY, MAKEWORD(hotKey.key & 0xFF, modifiers), 0);
}

bool TControlHotKey::ProcessMessage(TMessage& message) {
    if (message.message != WM_COMMAND || HIWORD(message.wParam) != EN_CHANGE ||
        reinterpret_cast<HWND>(message.lParam) != Native.GetHandle()) {
        return false;
    }
    RunHandler(OnChange);
    return true;
}
