#pragma once

#include "ui/Geometry.h"

#include <string>

class TGlobalHotKeyManager;
class THotKeysConfigWindow;
class TNotificationEditorWindow;
class TNotificationsListWindow;
class TReminderHold;
class TRemindersFolder;

// The notification-area icon's menu, built anew on every request and shown at the anchor; the
// chosen entry runs after the menu is gone. The hold's choice is ticked, and so is "Do not
// disturb" while quiet, whose submenu then offers to turn it off. Gives whether an entry was chosen.
bool RunTrayMenu(TNotificationEditorWindow& editor, TNotificationsListWindow& list, TGlobalHotKeyManager& hotKeys,
                 THotKeysConfigWindow& hotKeysWindow, const std::wstring& helpFilePath, TReminderHold& hold,
                 TRemindersFolder& remindersFolder, TPoint anchor);
