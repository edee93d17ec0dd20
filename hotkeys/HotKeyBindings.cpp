#include "hotkeys/HotKeyBindings.h"

#include "hotkeys/GlobalHotKeyManager.h"
#include "hotkeys/HotKeyBindingsFile.h"

#include <filesystem>
#include <fstream>

namespace {

const char AddNotificationAction[] = "AddNotification";
const char ViewAllNotificationsAction[] = "ViewAllNotifications";

}  // namespace

void LoadHotKeyBindings(TGlobalHotKeyManager& manager, const std::wstring& path, THandler addNotification,
                        THandler viewAllNotifications) {
    manager.RemoveAllHotKeys();
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    for (const THotKeyBinding& binding : ReadHotKeyBindings(file)) {
        const THandler* action = nullptr;
        if (binding.action == AddNotificationAction) {
            action = &addNotification;
        } else if (binding.action == ViewAllNotificationsAction) {
            action = &viewAllNotifications;
        } else {
            continue;
        }
        try {
            manager.AddHotKey(binding.hotKey, *action);
        } catch (const TGlobalHotKeyManager::TException&) {
            // One taken combination must not cost the user the hot keys that follow it.
        }
    }
}
