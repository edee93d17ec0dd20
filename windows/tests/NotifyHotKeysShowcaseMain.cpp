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

    if (which == L"notification") {
        notification.ShowNotification(L"", L"Call the dentist about Tuesday's appointment");
    } else if (which == L"notification-note") {
        const std::wstring notePath = folder.GetPath() + L"\\note.pcm";
        WriteFileBytes(notePath, std::string(8000, static_cast<char>(128)));
        notification.ShowNotification(notePath, L"Take the bread out of the oven");
    } else if (which == L"notification-long") {
        std::wstring text = L"Позвонить Анне — café Καλημέρα. ";
        while (text.size() < 700) {
            text += L"Bring the signed lease, two photographs and the deposit to the office on the third floor. ";
        }
        notification.ShowNotification(L"", text);
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
