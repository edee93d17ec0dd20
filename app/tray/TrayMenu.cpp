#include "app/tray/TrayMenu.h"

#include "app/hold/ReminderHold.h"
#include "app/datafolder/RemindersFolder.h"
#include "ui/PopupMenu.h"
#include "hotkeys/GlobalHotKeyManager.h"
#include "texts/Help.h"
#include "texts/Texts.h"
#include "windows/HotKeysConfigWindow.h"
#include "windows/NotificationEditorWindow.h"
#include "windows/NotificationsListWindow.h"

#include <windows.h>

#include <vector>

namespace {

struct TMenuEntry {
    std::wstring Caption;
    THandler Action;
    bool Checked = false;
    std::vector<TMenuEntry> Submenu;
};

TMenuEntry MakeQuietEntry(int caption, TReminderHold& hold, TQuietTime (*quietFrom)(const TDateTimeText& now)) {
    return {LoadText(caption), [&hold, quietFrom] { hold.SetQuiet(quietFrom(hold.GetTime())); }};
}

TMenuEntry MakeQuietMenu(TReminderHold& hold) {
    TMenuEntry menu{LoadText(IDS_TRAY_DO_NOT_DISTURB), nullptr, hold.GetQuiet().Kind != TQuietTime::TKind::Off, {}};
    menu.Submenu = {
        MakeQuietEntry(IDS_QUIET_30_MINUTES, hold, [](const TDateTimeText& now) { return TQuietTime::For(now, "00:30:00"); }),
        MakeQuietEntry(IDS_QUIET_1_HOUR, hold, [](const TDateTimeText& now) { return TQuietTime::For(now, "01:00:00"); }),
        MakeQuietEntry(IDS_QUIET_2_HOURS, hold, [](const TDateTimeText& now) { return TQuietTime::For(now, "02:00:00"); }),
        MakeQuietEntry(IDS_QUIET_TOMORROW, hold, &TQuietTime::UntilTomorrow),
        MakeQuietEntry(IDS_QUIET_UNTIL_I_TURN_IT_OFF, hold,
                       [](const TDateTimeText&) { return TQuietTime{TQuietTime::TKind::UntilTurnedOff, ""}; }),
    };
    if (menu.Checked) {
        menu.Submenu.push_back({});
        menu.Submenu.push_back(MakeQuietEntry(IDS_QUIET_TURN_OFF, hold, [](const TDateTimeText&) { return TQuietTime(); }));
    }
    return menu;
}

// The items and their actions in the same order, each submenu's right after the item that opens it.
void Flatten(const std::vector<TMenuEntry>& entries, std::vector<TPopupMenuItem>& items, std::vector<THandler>& actions) {
    for (const TMenuEntry& entry : entries) {
        items.push_back(TPopupMenuItem{entry.Caption, entry.Checked, {}});
        actions.push_back(entry.Action);
        Flatten(entry.Submenu, items.back().Submenu, actions);
    }
}

}  // namespace

bool RunTrayMenu(TNotificationEditorWindow& editor, TNotificationsListWindow& list, TGlobalHotKeyManager& hotKeys,
                 THotKeysConfigWindow& hotKeysWindow, const std::wstring& helpFilePath, TReminderHold& hold,
                 TRemindersFolder& remindersFolder, TPoint anchor) {
    const bool holdsDuringFullScreen = hold.HoldsDuringFullScreen();
    const std::vector<TMenuEntry> entries = {
        {LoadText(IDS_TRAY_ADD), [&editor] { editor.ShowEditor(-1); }},
        {LoadText(IDS_TRAY_VIEW_ALL), [&list] { list.ShowList(); }},
        // No hot key may fire while the user types combinations; closing the window binds again.
        {LoadText(IDS_TRAY_CONFIGURE_HOT_KEYS),
         [&hotKeys, &hotKeysWindow] {
             hotKeys.RemoveAllHotKeys();
             hotKeysWindow.ShowHotKeys();
         }},
        {LoadText(IDS_TRAY_REMINDERS_FOLDER), [&remindersFolder] { remindersFolder.Choose(); }},
        {},
        {LoadText(IDS_TRAY_HOLD_FULL_SCREEN), [&hold, holdsDuringFullScreen] { hold.SetHoldDuringFullScreen(!holdsDuringFullScreen); },
         holdsDuringFullScreen},
        MakeQuietMenu(hold),
        {},
        {LoadText(IDS_TRAY_HELP), [&helpFilePath] { ShowHelp(helpFilePath); }},
        {LoadText(IDS_TRAY_QUIT), [] { PostQuitMessage(0); }},
    };
    std::vector<TPopupMenuItem> items;
    std::vector<THandler> actions;
    Flatten(entries, items, actions);
    const int chosen = ShowPopupMenu(items, anchor);
    if (chosen < 0 || chosen >= static_cast<int>(actions.size()) || !actions[static_cast<size_t>(chosen)]) {
        return false;
    }
    RunHandler(actions[static_cast<size_t>(chosen)]);
    return true;
}
