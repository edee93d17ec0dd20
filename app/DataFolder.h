#pragma once

#include <string>

struct TDataPaths {
    std::wstring Folder;
    std::wstring Store;
    std::wstring HotKeys;
    std::wstring Settings;
};

// The per-user application-data folder + "\Nudgely" and the files in it.
TDataPaths GetDataPaths();

// Makes the data folder and, on the first run only, the hot keys file with its default binding.
void PrepareDataFolder(const TDataPaths& paths);
