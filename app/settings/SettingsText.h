#pragma once

#include "app/hold/QuietTime.h"

#include <optional>
#include <string>
#include <string_view>

// The user's choices beyond the hot keys.
struct TSettings {
    // Reminders wait while a full-screen program, a presentation or Windows' quiet time runs.
    bool HoldDuringFullScreen = true;
    TQuietTime Quiet;
    // The reminders folder as written, environment variables unexpanded; none for the default.
    std::optional<std::string> DataFolder;
};

// The settings file holds "Name:Value" lines, like the hot keys file:
//   HoldDuringFullScreen:Yes      (or No)
//   DoNotDisturbUntil:2026.12.09 15:30:00      (or TurnedOff: until the user turns it off)
//   DataFolder:%USERPROFILE%\Dropbox\Nudgely      (absent for the default folder)
// The first line of a name counts; a line whose value cannot be read leaves its setting at its
// default, and so does a missing line. The file is read as the data file is (see
// DataFileEncoding.h): UTF-8 with or without a mark, or UTF-16 behind its mark.
TSettings ReadSettings(std::string_view content);

// The content with the settings written into it: each in place of the first line of its name
// (the others of that name go), or added at the end; no DoNotDisturbUntil line while quiet is
// off, and none of DataFolder without one. Every other line, one of a later version or of the user,
// stays as it stands. Written in the program's own form: UTF-8 without a mark, each line ended by
// CRLF.
std::string WriteSettings(std::string_view content, const TSettings& settings);
