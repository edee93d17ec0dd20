// Started by the tests with no sound server to reach: shows a reminder with a voice note, presses
// "Replay sound" and "Close", and writes what it saw to the report file.
//   windows_notifyhotkeys_no_sound_probe NOTE_PATH REPORT_PATH
#include "NotifyHotKeysTestSupport.h"
#include "store/NotificationsDb.h"
#include "store/TemporaryFolder.h"
#include "ui/HandlerFailure.h"
#include "windows/NotificationWindow.h"

#include <string>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    std::string report;
    SetHandlerFailureReporter([&report](const std::string& message) { report += "reported: " + message + "\n"; });
    TTemporaryFolder folder;
    TNotificationsDb store(folder.GetPath() + L"\\notifications");
    TDialogWindowList dialogWindows;
    TNotificationWindow window(dialogWindows, store);

    TNotification reminder("2024.03.10 23:45:00", L"Drink some water");
    reminder.SoundFile = argv[1];
    window.ShowNotification(reminder);
    const HWND handle = FindTopLevelWindow(L"Notification");
    report += "shown: " + std::to_string(IsWindowVisible(handle) && window.IsShowingNotification()) + "\n";
    Click(FindButton(handle, L"Replay sound"));
    Click(FindButton(handle, L"Close"));
    report += "closed: " + std::to_string(!IsWindowVisible(handle) && !window.IsShowingNotification()) + "\n";
    WriteFileBytes(argv[2], report);
    return 0;
}
