#include "store/tests/StoreTestFolder.h"

#include "store/DirectoryIterator.h"
#include "store/FileContent.h"

#include <gtest/gtest.h>

#include <algorithm>

TStoreTestFolder::TStoreTestFolder() { EXPECT_FALSE(Folder.GetPath().empty()); }

std::vector<std::wstring> TStoreTestFolder::ListFileNames() const {
    std::vector<std::wstring> names;
    for (TDirectoryIterator file(GetPath(), L"*", false); file.IsValid(); file.Next()) {
        names.push_back(file.GetName());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<TNotification> ReadAllNotifications(const TNotificationsDb& db) {
    std::vector<TNotification> all;
    for (TNotificationsDb::TIterator iterator = db.Begin(); iterator.IsValid(); iterator.Next()) {
        all.push_back(iterator.Current());
    }
    return all;
}

std::string ReadWholeFile(const std::wstring& path) {
    std::string content;
    EXPECT_TRUE(ReadFileContent(path, content));
    return content;
}

std::wstring GetProgramFolder() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    const std::wstring path(buffer, length);
    return path.substr(0, path.find_last_of(L"\\/"));
}
