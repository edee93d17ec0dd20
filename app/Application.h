#pragma once

#include <string>

struct TDataPaths;
class TNotificationEditorWindow;
class TNotificationWindow;
class TNotificationsDb;

// Builds the running instance, runs its message loop until a quit message, and tears it down.
void RunApplication(TNotificationsDb& store, const TDataPaths& paths, const std::wstring& closeRequestWindowTitle);

// The user's session ends: Windows ends the process soon after, without running a destructor,
// and gives it a few seconds in all. The reminder on screen is stored again and the sound
// devices stop, without waiting for other programs that hold the data file or for the devices.
void EndSession(TNotificationsDb& store, TNotificationWindow& notificationWindow, TNotificationEditorWindow& editor);
