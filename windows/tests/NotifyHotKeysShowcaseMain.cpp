// Not a test: shows one of the windows for a screenshot, for the given number of seconds.
//   windows_notifyhotkeys_showcase notification|notification-note|notification-long|hotkeys SECONDS
#include "NotifyHotKeysTestSupport.h"
#include "store/NotificationsDb.h"
#include "store/TemporaryFolder.h"
#include "windows/HotKeysConfigWindow.h"
#include "windows/NotificationWindow.h"

#include <windows.h>

#include <string>

namespace {

void CALLBACK EndShowing(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    const std::wstring which = argv[1];
    TTemporaryFolder folder;
    TNotificationsDb store(folder.GetPath() + L"\\notifications");
    TDialogWindowList dialogWindows;
    TNotificationWindow notification(dialogWindows, store);
    const std::wstring hotKeysPath = folder.GetPath() + L"\\hotkeys";
    const std::wstring helpPath = L"Help.chm";
    THotKeysConfigWindow hotKeys(dialogWindows, hotKeysPath, helpPath);

    TNotification reminder("2024.03.10 23:45:00", L"Call the dentist about Tuesday's appointment");
    if (which == L"notification") {
        notification.ShowNotification(reminder);
    } else if (which == L"notification-note") {
        reminder.SoundFile = folder.GetPath() + L"\\note.pcm";
        reminder.Text = L"Take the bread out of the oven";
        WriteFileBytes(reminder.SoundFile, std::string(8000, static_cast<char>(128)));
        notification.ShowNotification(reminder);
    } else if (which == L"notification-long") {
        reminder.Text = L"Позвонить Анне — café Καλημέρα. ";
        while (reminder.Text.size() < 700) {
            reminder.Text += L"Bring the signed lease, two photographs and the deposit to the office on the third floor. ";
        }
        notification.ShowNotification(reminder);
    } else if (which == L"hotkeys") {
        WriteFileBytes(hotKeysPath, "AddNotification:Ctrl-Alt-N\r\n");
        hotKeys.ShowHotKeys();
    } else {
        return 2;
    }
    SetTimer(nullptr, 0, static_cast<UINT>(_wtoi(argv[2]) * 1000), EndShowing);
    RunMessageLoop(dialogWindows);
    return 0;
}
