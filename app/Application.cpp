#include "app/Application.h"

#include "app/requests/AddRequestReceiver.h"
#include "app/instance/CloseRequest.h"
#include "app/DueReminderCheck.h"
#include "app/hold/HoldLine.h"
#include "app/requests/QuietRequestReceiver.h"
#include "app/hold/ReminderHold.h"
#include "app/settings/SettingsFile.h"
#include "app/tray/TrayMenu.h"
#include "app/tray/TrayTooltip.h"
#include "app/datafolder/RemindersFolder.h"
#include "app/scheduler/RepeatedAction.h"
#include "app/tray/TrayIcon.h"
#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyBindings.h"
#include "store/NotificationsDb.h"
#include "texts/Help.h"
#include "ui/ScopeExit.h"
#include "ui/Window.h"
#include "windows/HotKeysConfigWindow.h"
#include "windows/NotificationEditorWindow.h"
#include "windows/NotificationWindow.h"
#include "windows/NotificationsListWindow.h"

namespace {

// The program's icon with the quiet mark, for a hold of any kind.
const int QuietIconIndex = 1;

std::wstring GetExecutablePath() {
    wchar_t path[MAX_PATH + 1] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

// Every object lives here, in the order in which it is needed; leaving the function tears them
// down in reverse, so the scheduler stops before the windows it fires into go, and the store
// watcher goes before the list it refreshes. The teardown waits on other processes (removing the
// tray icon), and the system delivers their sent messages meanwhile: a handler that refers to
// objects made after its owner is released before they go, and the requests of other processes
// are refused before anything goes.
void RunApplication(TNotificationsDb& store, const TDataPaths& paths, const std::wstring& closeRequestWindowTitle) {
    const std::wstring& hotKeysPath = paths.HotKeys;
    TWindow closeRequestWindow(closeRequestWindowTitle, false, nullptr);
    closeRequestWindow.SetOnClose([] { PostQuitMessage(0); });
    AcceptCloseRequestsFromAnyProcess(closeRequestWindow.GetHandle());
    TAddRequestReceiver addRequests(closeRequestWindow, store);
    TSettingsFile settings(paths.Settings);
    TReminderHold hold(settings);
    TRemindersFolder remindersFolder(store, settings, paths);
    TQuietRequestReceiver quietRequests(closeRequestWindow, hold);

    const std::wstring helpFilePath = GetHelpFilePath();
    TDialogWindowList dialogWindows;
    TNotificationEditorWindow editor(store, dialogWindows, helpFilePath);
    TNotificationsListWindow list(dialogWindows, store, editor, helpFilePath);
    TNotificationsDb::TWatcher listRefresher(store, [&list] { list.Refresh(); });

    TGlobalHotKeyManager hotKeys;
    const auto bindHotKeys = [&hotKeys, &hotKeysPath, &editor, &list] {
        LoadHotKeyBindings(hotKeys, hotKeysPath, [&editor] { editor.ShowEditor(-1); }, [&list] { list.ShowList(); });
    };
    bindHotKeys();

    THotKeysConfigWindow hotKeysWindow(dialogWindows, hotKeysPath, helpFilePath);
    hotKeysWindow.SetOnClosed(bindHotKeys);

    TNotificationWindow notificationWindow(dialogWindows, store);
    notificationWindow.SetOnChooseTime(
        [&editor](const TNotification& suggested, TNotificationWindow::TChosenHandler onChosen) {
            editor.ShowEditorFor(suggested, std::move(onChosen));
        });
    // What matters of the teardown is done there, and the scheduler fires nothing more meanwhile.
    closeRequestWindow.SetOnSessionEnd([&store, &notificationWindow, &editor] {
        EndSession(store, notificationWindow, editor);
        PostQuitMessage(0);
    });
    const TScopeExit sessionEndReleased([&closeRequestWindow] { closeRequestWindow.SetOnSessionEnd(nullptr); });

    TTrayIcon trayIcon(GetExecutablePath(), 0, L"Nudgely");
    trayIcon.SetOnMenuRequest([&editor, &list, &hotKeys, &hotKeysWindow, &helpFilePath, &hold, &remindersFolder](TPoint anchor) {
        return RunTrayMenu(editor, list, hotKeys, hotKeysWindow, helpFilePath, hold, remindersFolder, anchor);
    });
    trayIcon.SetOnSelect([&editor] { editor.ShowEditor(-1); });
    TTrayTooltip tooltip(store, [&trayIcon](const std::wstring& text) { trayIcon.SetTooltip(text); }, GetCurrentDateTime,
                         [&hold, &remindersFolder] {
                             const std::wstring absence = remindersFolder.DescribeAbsence();
                             const std::wstring held = DescribeHold(hold.GetReason(), hold.GetQuiet(), hold.GetTime());
                             return absence.empty() || held.empty() ? absence + held : absence + L"\n" + held;
                         },
                         [&notificationWindow] { return notificationWindow.GetShownId(); });
    remindersFolder.SetOnChange([&tooltip] { tooltip.Update(); });
    const TScopeExit folderShowReleased([&remindersFolder] { remindersFolder.SetOnChange(nullptr); });
    const auto showHold = [&trayIcon, &tooltip, &hold] {
        trayIcon.ShowIcon(hold.GetReason() == TReminderHold::TReason::None ? 0 : QuietIconIndex);
        tooltip.Update();
    };
    hold.SetOnChange(showHold);
    const TScopeExit holdShowReleased([&hold] { hold.SetOnChange(nullptr); });
    showHold();

    TDueReminderCheck dueReminderCheck(notificationWindow, store, GetCurrentDateTime, [&hold] { return hold.IsHolding(); });
    TRepeatedAction scheduler(
        [&hold, &remindersFolder, &dueReminderCheck, &tooltip] {
            hold.FollowTick();
            remindersFolder.FollowTick();
            dueReminderCheck.Run();
            tooltip.FollowTime();
        },
        1.0);

    const TScopeExit requestsClosed([&addRequests, &quietRequests] {
        addRequests.Close();
        quietRequests.Close();
    });
    RunMessageLoop(dialogWindows);
}

void EndSession(TNotificationsDb& store, TNotificationWindow& notificationWindow, TNotificationEditorWindow& editor) {
    store.StopWaitingForHolders();
    notificationWindow.EndSession();
    editor.EndSession();
}
