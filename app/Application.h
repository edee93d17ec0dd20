#pragma once

#include <string>

struct TDataPaths;
class TNotificationEditorWindow;
class TNotificationWindow;
class TNotificationsDb;

// Builds the running instance, runs its message loop until a quit message, and tears it down.
void RunApplication(TNotificationsDb& store, const TDataPaths& paths, const std::wstring& closeRequestWindowTitle);

// The user's session ends: Windows ends the process soon after, without running a destructor,
// and gives it a few seconds in all. The sound devices stop without waiting for them; the
// reminder on screen needs nothing, as its line stays in the data file until it is answered.
void EndSession(TNotificationsDb& store, TNotificationWindow& notificationWindow, TNotificationEditorWindow& editor);
