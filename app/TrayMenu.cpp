#include "app/TrayMenu.h"

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
};

}  // namespace

bool RunTrayMenu(TNotificationEditorWindow& editor, TNotificationsListWindow& list, TGlobalHotKeyManager& hotKeys,
                 THotKeysConfigWindow& hotKeysWindow, const std::wstring& helpFilePath, TPoint anchor) {
    const std::vector<TMenuEntry> entries = {
        {LoadText(IDS_TRAY_ADD), [&editor] { editor.ShowEditor(-1); }},
        {LoadText(IDS_TRAY_VIEW_ALL), [&list] { list.ShowList(); }},
        // No hot key may fire while the user types combinations; closing the window binds again.
        {LoadText(IDS_TRAY_CONFIGURE_HOT_KEYS),
         [&hotKeys, &hotKeysWindow] {
             hotKeys.RemoveAllHotKeys();
             hotKeysWindow.ShowHotKeys();
         }},
        {LoadText(IDS_TRAY_HELP), [&helpFilePath] { ShowHelp(helpFilePath); }},
        {LoadText(IDS_TRAY_QUIT), [] { PostQuitMessage(0); }},
    };
    std::vector<std::wstring> captions;
    for (const TMenuEntry& entry : entries) {
        captions.push_back(entry.Caption);
    }
    const int chosen = ShowPopupMenu(captions, anchor);
    if (chosen < 0 || chosen >= static_cast<int>(entries.size())) {
        return false;
    }
    RunHandler(entries[static_cast<size_t>(chosen)].Action);
    return true;
}
