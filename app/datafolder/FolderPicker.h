#pragma once

#include <string>

// The system's folder picker (IFileOpenDialog choosing folders), opened on the start folder, with
// the program's default folder offered among its places. Gives whether the user chose a folder
// of the file system; a cancel or a choice of no folder on disk gives false.
bool PickFolder(const std::wstring& title, const std::wstring& start, const std::wstring& defaultFolder,
                std::wstring& chosen);
