#pragma once

#include "app/tray/ExtractedIcon.h"
#include "app/tray/TrayIcon.h"
#include "ui/Window.h"

#include <shellapi.h>

#include <memory>

// Adds the icon to the notification area for its lifetime and turns the shell's callback
// messages, which reach its window as WM_USER in the form of callback version 4 (the event in the
// low word of lParam, the icon's anchor point in wParam), into the menu and select handlers. A
// shell that restarts forgets every icon and announces itself with "TaskbarCreated", which only
// top-level windows receive: the icon is added again then. An icon the shell refuses is tried
// again every two seconds for a minute, on timer 1 of the window.
class TTrayIcon::TNotificationControl : public TWindow::TControl {
public:
    TNotificationControl(TWindow& owner, const std::wstring& executablePath, int iconIndex,
                         const std::wstring& tooltip);
    ~TNotificationControl() override;

    void SetOnMenuRequest(TMenuRequestHandler handler);
    void SetOnSelect(THandler handler);
    // Brings the shell's tooltip up to date; cut like the first one.
    void SetTooltip(const std::wstring& tooltip);
    // Shows the icon at that index of the executable file instead.
    void ShowIcon(int iconIndex);
    // The record as handed to the shell.
    const NOTIFYICONDATAW& GetRecord() const { return Record; }

    bool ProcessMessage(TMessage& message) override;

private:
    void AddIcon();
    void RetryAddingIcon();
    bool PutIconInPlace();
    void CopyTooltip(const std::wstring& tooltip);
    void FollowEvent(UINT event, TPoint anchor);
    void FollowSelection(UINT event);

    std::wstring ExecutablePath;
    std::unique_ptr<TExtractedIcon> Icon;
    NOTIFYICONDATAW Record;
    TMenuRequestHandler OnMenuRequest;
    THandler OnSelect;
    UINT ShellRestartMessage;
    int RetriesLeft = 0;
    UINT PreviousEvent = 0;
    bool SelectedFromKeyboard = false;
    DWORD KeyboardSelectionTime = 0;
};
