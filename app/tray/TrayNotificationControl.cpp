#include "app/tray/TrayNotificationControl.h"

#include <windowsx.h>

#include <algorithm>
#include <cstddef>

namespace {

const UINT CallbackMessage = WM_USER;
const UINT_PTR RetryTimerIdentifier = 1;
const UINT RetryPeriodMilliseconds = 2000;
const int RetryCount = 30;

// The record without the balloon icon handle, which the shell of every supported system accepts:
// 968 bytes in 64-bit programs, 952 in 32-bit ones.
const DWORD RecordSize = offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID);

}  // namespace

TTrayIcon::TNotificationControl::TNotificationControl(TWindow& owner, const std::wstring& executablePath,
                                                      int iconIndex, const std::wstring& tooltip)
    : TControl(owner),
      ExecutablePath(executablePath),
      Icon(new TExtractedIcon(executablePath, iconIndex)),
      Record(),
      ShellRestartMessage(RegisterWindowMessageW(L"TaskbarCreated")) {
    Record.cbSize = RecordSize;
    Record.hWnd = owner.GetHandle();
    Record.uID = 0;
    // The shell of callback version 4 shows the standard tooltip only when asked to.
    Record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_SHOWTIP;
    Record.uCallbackMessage = CallbackMessage;
    Record.hIcon = Icon->GetHandle();
    CopyTooltip(tooltip);
    Record.uVersion = NOTIFYICON_VERSION_4;
    // The shell that announces its restart runs without elevation; an elevated instance hears it
    // only through the message filter. A refusal changes nothing for one that is not elevated.
    if (ShellRestartMessage != 0) {
        ChangeWindowMessageFilterEx(owner.GetHandle(), ShellRestartMessage, MSGFLT_ALLOW, nullptr);
    }
    AddIcon();
}

TTrayIcon::TNotificationControl::~TNotificationControl() {
    KillTimer(GetWindow().GetHandle(), RetryTimerIdentifier);
    Shell_NotifyIconW(NIM_DELETE, &Record);
}

void TTrayIcon::TNotificationControl::SetOnMenuRequest(TMenuRequestHandler handler) {
    OnMenuRequest = std::move(handler);
}

void TTrayIcon::TNotificationControl::SetOnSelect(THandler handler) { OnSelect = std::move(handler); }

void TTrayIcon::TNotificationControl::SetTooltip(const std::wstring& tooltip) {
    CopyTooltip(tooltip);
    Shell_NotifyIconW(NIM_MODIFY, &Record);
}

// The shell is given the new icon before the old one is destroyed.
void TTrayIcon::TNotificationControl::ShowIcon(int iconIndex) {
    std::unique_ptr<TExtractedIcon> shown(new TExtractedIcon(ExecutablePath, iconIndex));
    Record.hIcon = shown->GetHandle();
    Shell_NotifyIconW(NIM_MODIFY, &Record);
    Icon = std::move(shown);
}

// One place is kept for the terminating null, and a surrogate pair is not cut in half.
void TTrayIcon::TNotificationControl::CopyTooltip(const std::wstring& tooltip) {
    size_t tipLength = std::min(tooltip.size(), sizeof(Record.szTip) / sizeof(Record.szTip[0]) - 1);
    if (tipLength < tooltip.size() && tipLength > 0 && IS_HIGH_SURROGATE(tooltip[tipLength - 1])) {
        --tipLength;
    }
    std::copy_n(tooltip.begin(), tipLength, Record.szTip);
    Record.szTip[tipLength] = L'\0';
}

// A shell that is still starting, or too busy to answer in time, refuses the icon.
void TTrayIcon::TNotificationControl::AddIcon() {
    if (PutIconInPlace()) {
        return;
    }
    RetriesLeft = RetryCount;
    SetTimer(GetWindow().GetHandle(), RetryTimerIdentifier, RetryPeriodMilliseconds, nullptr);
}

void TTrayIcon::TNotificationControl::RetryAddingIcon() {
    --RetriesLeft;
    if (PutIconInPlace() || RetriesLeft <= 0) {
        KillTimer(GetWindow().GetHandle(), RetryTimerIdentifier);
    }
}

// The shell also refuses to add an icon that it still holds, which then only needs to be
// brought up to date. The callback version belongs to the icon: a restarted shell forgot both.
bool TTrayIcon::TNotificationControl::PutIconInPlace() {
    if (!Shell_NotifyIconW(NIM_ADD, &Record) && !Shell_NotifyIconW(NIM_MODIFY, &Record)) {
        return false;
    }
    Shell_NotifyIconW(NIM_SETVERSION, &Record);
    return true;
}

bool TTrayIcon::TNotificationControl::ProcessMessage(TMessage& message) {
    if (ShellRestartMessage != 0 && message.message == ShellRestartMessage) {
        AddIcon();
        return true;
    }
    if (message.message == WM_TIMER && message.wParam == RetryTimerIdentifier) {
        RetryAddingIcon();
        message.result = 0;
        return true;
    }
    if (message.message != CallbackMessage) {
        return false;
    }
    FollowEvent(LOWORD(message.lParam), TPoint{GET_X_LPARAM(message.wParam), GET_Y_LPARAM(message.wParam)});
    message.result = 0;
    return true;
}

// The right button's release is followed by WM_CONTEXTMENU, which alone opens the menu.
void TTrayIcon::TNotificationControl::FollowEvent(UINT event, TPoint anchor) {
    switch (event) {
    case WM_CONTEXTMENU:
        if (OnMenuRequest && !OnMenuRequest(anchor)) {
            Shell_NotifyIconW(NIM_SETFOCUS, &Record);
        }
        break;
    case WM_LBUTTONDBLCLK:
        RunHandler(OnSelect);
        break;
    case NIN_SELECT:
    case NIN_KEYSELECT:
        FollowSelection(event);
        break;
    default:
        break;
    }
    PreviousEvent = event;
}

// The shell follows every release of the left button with NIN_SELECT: a single click must not
// open anything. Enter on the icon arrives as two selections, Space as one.
void TTrayIcon::TNotificationControl::FollowSelection(UINT event) {
    if (event == NIN_SELECT && PreviousEvent == WM_LBUTTONUP) {
        return;
    }
    const DWORD now = GetTickCount();
    if (SelectedFromKeyboard && now - KeyboardSelectionTime < GetDoubleClickTime()) {
        return;
    }
    SelectedFromKeyboard = true;
    KeyboardSelectionTime = now;
    RunHandler(OnSelect);
}
