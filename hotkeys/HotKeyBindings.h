#pragma once

#include "ui/Handler.h"

#include <string>

class TGlobalHotKeyManager;

// Replaces every binding of the manager with those of the hot keys file: "AddNotification" runs
// addNotification, "ViewAllNotifications" runs viewAllNotifications. A missing file binds
// nothing. A line the system refuses (its combination is taken, by another program or by an
// earlier line) is skipped, and the lines after it are still bound.
void LoadHotKeyBindings(TGlobalHotKeyManager& manager, const std::wstring& path, THandler addNotification,
                        THandler viewAllNotifications);
