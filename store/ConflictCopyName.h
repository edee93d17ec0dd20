#pragma once

#include <string_view>

// Whether a file beside the data file is a copy of it that a sync service made when the file was
// changed on two PCs while they were apart. Only the services' own naming counts, never a name a
// person chose ("notifications.bak", "notifications (copy)"), nor a service's or the program's
// temporary file. The data file's name has no extension, so every service puts its mark at the
// end of the name:
//   Syncthing     notifications.sync-conflict-20261208-101500-ABCDEFG  (date, time, 7 letters
//                 of the winning device's ID)
//   Dropbox       notifications (Anna's conflicted copy 2026-12-08), also with " (2)" after the date
//   Nextcloud     notifications (conflicted copy 2026-12-08 101500), or with the user's name
//                 before the date; older clients and ownCloud: notifications_conflict-20261208-101500
//   OneDrive      notifications-PCNAME, notifications-PCNAME-2: only with this PC's own name,
//                 since the PC that lost the upload names the copy after itself, and any other
//                 word after a hyphen could be a person's ("notifications-old").
// Letter case of the data file's name and of the PC's name is ignored, as Windows does.
bool IsConflictCopyName(std::wstring_view name, std::wstring_view dataFileName, std::wstring_view computerName);
