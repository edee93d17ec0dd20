#include "app/TrayMenu.h"

#include "texts/Help.h"
#include "app/tray/PopupMenu.h"
#include "hotkeys/GlobalHotKeyManager.h"
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
        {L"&Add", [&editor] { editor.ShowEditor(-1); }},
        {L"&View all reminders", [&list] { list.ShowList(); }},
        // No hot key may fire while the user types combinations; closing the window binds again.
        {L"&Configure hot keys",
         [&hotKeys, &hotKeysWindow] {
             hotKeys.RemoveAllHotKeys();
             hotKeysWindow.ShowHotKeys();
         }},
        {L"&Help", [&helpFilePath] { ShowHelp(helpFilePath); }},
        {L"&Quit", [] { PostQuitMessage(0); }},
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
