#include "app/DataFolder.h"

#include "store/FileOperations.h"

#include <windows.h>
#include <shlobj.h>

#include <fstream>

TDataPaths GetDataPaths() {
    wchar_t appData[MAX_PATH] = {};
    // Without an application-data folder the data folder falls back to the root of the drive.
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        appData[0] = L'\0';
    }
    TDataPaths paths;
    paths.Folder = std::wstring(appData) + L"\\Nudgely";
    paths.Store = paths.Folder + L"\\notifications";
    paths.HotKeys = paths.Folder + L"\\hotkeys";
    paths.Settings = paths.Folder + L"\\settings";
    return paths;
}

void PrepareDataFolder(const TDataPaths& paths) {
    CreateDirectoryW(paths.Folder.c_str(), nullptr);
    if (FileExists(paths.HotKeys)) {
        return;
    }
    std::ofstream file(paths.HotKeys.c_str(), std::ios::out | std::ios::trunc);
    file << "AddNotification:Ctrl-Alt-N" << std::endl;
}
