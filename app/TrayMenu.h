#pragma once

#include "ui/Geometry.h"

#include <string>

class TGlobalHotKeyManager;
class THotKeysConfigWindow;
class TNotificationEditorWindow;
class TNotificationsListWindow;

// The notification-area icon's menu, built anew on every request and shown at the anchor; the
// chosen entry runs after the menu is gone. Gives whether an entry was chosen.
bool RunTrayMenu(TNotificationEditorWindow& editor, TNotificationsListWindow& list, TGlobalHotKeyManager& hotKeys,
                 THotKeysConfigWindow& hotKeysWindow, const std::wstring& helpFilePath, TPoint anchor);
