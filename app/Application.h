#pragma once

#include <string>

class TNotificationsDb;

// Builds the running instance, runs its message loop until a quit message, and tears it down.
void RunApplication(TNotificationsDb& store, const std::wstring& hotKeysPath, const std::wstring& closeRequestWindowTitle);
