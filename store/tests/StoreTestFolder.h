#pragma once

#include "store/NotificationsDb.h"
#include "store/TemporaryFolder.h"

#include <string>
#include <vector>

// A fresh folder for one test's store, removed with everything in it afterwards.
class TStoreTestFolder {
public:
    TStoreTestFolder();

    const std::wstring& GetPath() const { return Folder.GetPath(); }
    std::wstring GetFilePath(const std::wstring& name) const { return Folder.GetPath() + L"\\" + name; }
    std::wstring GetDataPath() const { return GetFilePath(L"notifications"); }
    // Names of the files in the folder, sorted.
    std::vector<std::wstring> ListFileNames() const;

private:
    TTemporaryFolder Folder;
};

std::vector<TNotification> ReadAllNotifications(const TNotificationsDb& db);
std::string ReadWholeFile(const std::wstring& path);
// The folder that holds the running test program.
std::wstring GetProgramFolder();
