#pragma once

#include "store/Notification.h"

#include <string>
#include <vector>

// The running program's data folder, %APPDATA%\Nudgely.
std::wstring GetDataFolder();

// Removes the data folder with its files, so that the next start is a first start.
void ClearDataFolder();

// Creates the data folder and writes these reminders as its data file.
void WriteReminders(const std::vector<TNotification>& reminders);

// The local date-time text of a moment given as UTC 100-nanosecond ticks since 1601.
std::string FormatLocalDateTime(unsigned long long utcTicks);

// UTC 100-nanosecond ticks since 1601.
unsigned long long ReadUtcTicks();
