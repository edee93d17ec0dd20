#pragma once

#include <string>

class TGlobalHotKeyManager;
class THotKeysConfigWindow;
class TNotificationEditorWindow;
class TNotificationsListWindow;

// The notification-area icon's menu, built anew on every right-click; the chosen entry runs after
// the menu is gone.
void RunTrayMenu(TNotificationEditorWindow& editor, TNotificationsListWindow& list, TGlobalHotKeyManager& hotKeys,
                 THotKeysConfigWindow& hotKeysWindow, const std::wstring& helpFilePath);
